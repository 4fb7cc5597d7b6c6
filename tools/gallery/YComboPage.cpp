// The drop-down list: closed boxes in the three row modes and with the drop button held, then
// lists shown open in place (as tall as an open list) with a selection, a hovered row, icons,
// check boxes and a scroll bar. The hovered rows and the held button come from mouse input;
// the real mouse takes over once the page is shown.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "ColorBlend.h"
#include "GalleryPages.h"
#include "PagePlacement.h"
#include "YCombo.h"
#include "YComboGeometry.h"

namespace {

constexpr int kBoxWidth = 150;
constexpr int kColumnStep = 170;
constexpr int kLeft = 20;
constexpr int kBoxTop = 30;
constexpr int kListTop = 100;

// The look of a new control, written out as the window's stored data would hold it.
QString NewLook(const QString& more = {}) {
    using ColorBlend::BlendColor;
    const quint32 base = YCombo::kBaseColor;
    auto color = [](const char* key, quint32 value) {
        return QStringLiteral("%1 = uint 0x%2\n").arg(QLatin1String(key)).arg(value, 0, 16);
    };
    return color("clrfillfocus", BlendColor(base, 0xFFFFFF, 0.4f)) +
           color("clrfillup", BlendColor(base, 0xFFFFFF, 0.7f)) +
           color("clrframefocus", BlendColor(base, 0, 0.1f)) + color("clrframeup", base) +
           color("clrframe", base) + color("clrcheckboxframe", base) +
           color("clrbkgnormal2", 0xFBF3EC) +
           QStringLiteral("isdrawfocus = bool true\nisdrawhover = bool true\n") + more;
}

void SendMouse(QWidget* combo, QEvent::Type type, QPoint at) {
    const Qt::MouseButton which = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), combo->mapToGlobal(QPointF(at)), which, held,
                      Qt::NoModifier);
    QApplication::sendEvent(combo, &event);
}

void SendWheel(QWidget* combo, int delta) {
    const QPointF at(20, 40);
    QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
}

// A small coloured square with a light rim, 16 x 16.
QImage SwatchIcon(QColor color) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(color.darker(140));
    painter.setBrush(color);
    painter.drawRoundedRect(1, 1, 13, 13, 3, 3);
    return image;
}

const char* const kNames[] = {"传统对话框", "龙版对话框", "大图对话框", "任务对话框", "人物封号",
                              "Notice公告", "怪物代码",   "NPC代码",    "属性代码",   "套装代码",
                              "组合代码",   "脚本变量",   "地图参数",   "装备命名",   "引擎文档",
                              "物品代码",   "技能代码",   "称号代码",   "坐骑代码",   "宠物代码"};

struct Placer {
    QWidget* page;
    int n = 1;
    YCombo* operator()(QRect rect, const QString& stored, int items) {
        auto* combo = PlaceControl<YCombo>(page, QStringLiteral("YCombo%1").arg(n++), rect, stored);
        for (int i = 0; i < items; ++i)
            combo->AddItem(QString::fromUtf8(kNames[i % 20]));
        combo->RecomputeLayout();
        return combo;
    }
};

QRect ListRect(int column, int items, int width = kBoxWidth) {
    return QRect(kLeft + column * kColumnStep, kListTop, width,
                 YComboGeometry::OpenHeight(YCombo::kDefaultItemHeight, items));
}

}  // namespace

QWidget* BuildYComboPage() {
    QWidget* page = NewPage(QSize(kLeft + 4 * kColumnStep + 30, kListTop + 178 + 50));
    Placer place{page};

    // Closed boxes.
    const char* const boxNotes[] = {"empty", "DisMode 0, chosen", "DisMode 1, chosen",
                                    "drop button held"};
    for (int column = 0; column < 4; ++column) {
        const QRect rect(kLeft + column * kColumnStep, kBoxTop, kBoxWidth, 20);
        const int mode = column == 2 ? 1 : 0;
        YCombo* box = place(rect, NewLook(QStringLiteral("dismode = int %1\n").arg(mode)),
                            column == 0 ? 0 : 5);
        if (column == 1 || column == 2) box->SetListIndex(column);
        if (column == 3) SendMouse(box, QEvent::MouseButtonPress, QPoint(kBoxWidth - 10, 10));
        PlaceNote(page, QString::fromUtf8(boxNotes[column]), rect.bottomLeft() + QPoint(0, 6));
    }

    // Lists shown open.
    YCombo* plain = place(ListRect(0, 3), NewLook(), 3);
    plain->SetListIndex(0);
    SendMouse(plain, QEvent::MouseMove, QPoint(40, 22 + 2 * 22 + 8));

    YCombo* icons = place(ListRect(1, 4), NewLook(QStringLiteral("dismode = int 1\n")), 0);
    const QColor swatches[] = {QColor(0xE0, 0x50, 0x40), QColor(0x40, 0xA0, 0x50),
                               QColor(0x40, 0x80, 0xD0), QColor(0xE0, 0xB0, 0x30)};
    for (int i = 0; i < 4; ++i)
        icons->AddItem(QString::fromUtf8(kNames[6 + i]), SwatchIcon(swatches[i]));
    icons->RecomputeLayout();
    icons->SetListIndex(1);

    YCombo* checks = place(ListRect(2, 20, 160), NewLook(QStringLiteral("style = int 1\n")), 20);
    for (int i : {1, 4, 5, 7})
        checks->SetListState(i, true);
    SendWheel(checks, -120);
    checks->SetListIndex(4);
    SendMouse(checks, QEvent::MouseMove, QPoint(60, 22 + 4 * 22 + 8));

    YCombo* bare = place(ListRect(3, 3, 130), NewLook(QStringLiteral("dismode = int 2\n")), 3);
    bare->SetListIndex(1);

    const char* const listNotes[] = {"selected, hovered", "DisMode 1: icons",
                                     "Style 1: 20 items, scrolled", "DisMode 2"};
    const int heights[] = {3, 4, 7, 3};
    for (int column = 0; column < 4; ++column)
        PlaceNote(page, QString::fromUtf8(listNotes[column]),
                  QPoint(kLeft + column * kColumnStep,
                         kListTop + YComboGeometry::OpenHeight(22, heights[column]) + 6));
    PlaceNote(page, QStringLiteral("Closed"), QPoint(kLeft, 8));
    PlaceNote(page, QStringLiteral("Open"), QPoint(kLeft, kListTop - 22));
    return page;
}

// The group frame in its nine styles (one a row), each with its preset, two other themes, a
// gradient caption band, disabled with a contained label, and with an icon.

#include <QLabel>
#include <QPainter>

#include "GalleryPages.h"
#include "PagePlacement.h"
#include "jcFrames.h"

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 64;
constexpr int kColumnStep = 160;
constexpr int kRowStep = 74;
constexpr int kLeft = 70;
constexpr int kTop = 28;

enum class Variant { Preset, Theme2, Theme4, GradientBand, Disabled, Icon };

const struct {
    Variant variant;
    const char* title;
} kColumns[] = {
    {Variant::Preset, "Style preset"},    {Variant::Theme2, "ThemeColor 2"},
    {Variant::Theme4, "ThemeColor 4"},    {Variant::GradientBand, "HeaderStyle 1, glass"},
    {Variant::Disabled, "Enabled False"}, {Variant::Icon, "Picture"}};

const char* const kCaptions[] = {"传送参数",     "任务日志",   "任务描述",
                                 "传统文字封号", "图片类封号", "NPC对话框",
                                 "懒人模式",     "图片素材",   "超长的标题会在圆角面板里换行显示"};

// A small folder-like icon, drawn here rather than shipped.
QImage FolderIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QColor(0x9A, 0x6A, 0x10));
    painter.setBrush(QColor(0xF2, 0xC2, 0x4C));
    painter.drawRect(1, 4, 13, 10);
    painter.setBrush(QColor(0xF8, 0xDA, 0x80));
    painter.drawRect(1, 2, 6, 3);
    painter.setPen(Qt::black);
    painter.drawLine(3, 8, 12, 8);
    return image;
}

void Apply(jcFrames* frame, int style, Variant variant) {
    frame->SetStyle(style);
    switch (variant) {
        case Variant::Theme2:
            frame->SetThemeColor(2);
            break;
        case Variant::Theme4:
            frame->SetThemeColor(4);
            break;
        case Variant::GradientBand:
            frame->SetThemeColor(3);
            frame->SetHeaderStyle(1);
            frame->SetGradientHeaderStyle(2);
            break;
        case Variant::Disabled: {
            auto* label = new QLabel(QStringLiteral("内容"), frame);
            label->move(20, kHeight - 22);
            label->adjustSize();
            frame->SetEnabled(false);
            break;
        }
        case Variant::Icon:
            frame->SetAlignment(0);
            frame->SetPicture(FolderIcon());
            break;
        case Variant::Preset:
            break;
    }
}

}  // namespace

QWidget* BuildJcFramesPage() {
    constexpr int kColumnCount = int(std::size(kColumns));
    QWidget* page = NewPage(QSize(kLeft + kColumnCount * kColumnStep, kTop + 9 * kRowStep + 6));
    int n = 1;
    for (int column = 0; column < kColumnCount; ++column)
        PlaceNote(page, QString::fromUtf8(kColumns[column].title),
                  QPoint(kLeft + column * kColumnStep, 8));
    for (int style = 0; style < 9; ++style) {
        const int y = kTop + style * kRowStep;
        PlaceNote(page, QStringLiteral("Style %1").arg(style), QPoint(10, y + 24));
        for (int column = 0; column < kColumnCount; ++column) {
            const QString stored =
                QStringLiteral("caption = str \"%1\"\n").arg(QString::fromUtf8(kCaptions[style]));
            auto* frame = PlaceControl<jcFrames>(
                page, QStringLiteral("jcFrames%1").arg(n++),
                QRect(kLeft + column * kColumnStep, y, kWidth, kHeight), stored);
            Apply(frame, style, kColumns[column].variant);
        }
    }
    return page;
}

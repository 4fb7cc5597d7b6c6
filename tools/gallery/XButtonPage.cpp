// The skinned push button: each of the seven skins normal, hovered, pressed and disabled; then
// check mode off and on, icons with and without caption, focus (one button holds it), and the
// float flag.
// Hover and press are brought about with mouse input while the page is built; the real mouse
// takes over once the page is shown.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "Colors.h"
#include "GalleryPages.h"
#include "PagePlacement.h"
#include "xButton.h"

namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 28;
constexpr int kColumnStep = 112;
constexpr int kRowStep = 44;
constexpr int kLeft = 90;
constexpr int kTop = 30;

enum class Shown { Normal, Hover, Pressed, Disabled };

const struct {
    Shown shown;
    const char* title;
} kColumns[] = {{Shown::Normal, "Normal"},
                {Shown::Hover, "Hover"},
                {Shown::Pressed, "Pressed"},
                {Shown::Disabled, "Enabled False"}};

void SendMouse(QWidget* button, QEvent::Type type, Qt::MouseButtons held) {
    const QPointF at(button->width() / 2, button->height() / 2);
    const Qt::MouseButton which = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, button->mapToGlobal(at), which, held, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

void Bring(xButton* button, Shown shown) {
    switch (shown) {
        case Shown::Hover:
            SendMouse(button, QEvent::MouseMove, Qt::NoButton);
            break;
        case Shown::Pressed:
            SendMouse(button, QEvent::MouseMove, Qt::NoButton);
            SendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
            break;
        default:
            break;
    }
}

// The stored form of a button: caption, skin, and both back colours (the window's, then the
// faces' background).
QString Stored(const QString& caption, int skin, const QString& more = {}) {
    return QStringLiteral(
               "caption = str \"%1\"\nbackcolor = uint 0x%2\nfocusrect = bool true\n"
               "skin = int %3\nbackcolor = uint 0x%2\n")
               .arg(caption)
               .arg(Colors::kButtonFace, 0, 16)
               .arg(skin) +
           more;
}

// A small round badge as icon, in one colour per state.
QImage Badge(QColor color) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(color.darker(150));
    painter.setBrush(color);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(5, 8), QPointF(11, 8));
    painter.drawLine(QPointF(8, 5), QPointF(8, 11));
    return image;
}

}  // namespace

QWidget* BuildXButtonPage() {
    QWidget* page = NewPage(QSize(kLeft + 5 * kColumnStep, kTop + 10 * kRowStep + 20));
    int n = 1;
    auto place = [&](QPoint at, const QString& stored) {
        return PlaceControl<xButton>(page, QStringLiteral("xButton%1").arg(n++),
                                     QRect(at, QSize(kWidth, kHeight)), stored);
    };
    for (int column = 0; column < 4; ++column)
        PlaceNote(page, QString::fromUtf8(kColumns[column].title),
                  QPoint(kLeft + column * kColumnStep, 8));
    for (int skin = 0; skin < xButton::kSkinCount; ++skin) {
        const int y = kTop + skin * kRowStep;
        PlaceNote(page, QStringLiteral("buttonSkin %1").arg(skin), QPoint(10, y + 6));
        for (int column = 0; column < 4; ++column) {
            const Shown shown = kColumns[column].shown;
            xButton* button =
                place(QPoint(kLeft + column * kColumnStep, y),
                      Stored(QStringLiteral("确定"), skin,
                             shown == Shown::Disabled ? QStringLiteral("enabled = bool false\n")
                                                      : QString()));
            Bring(button, shown);
        }
    }

    // Check mode and focus.
    const int y = kTop + 7 * kRowStep + 10;
    PlaceNote(page, QStringLiteral("checkButton"), QPoint(10, y + 6));
    place(QPoint(kLeft, y), Stored(QStringLiteral("自动保存"), 2, "m_check = bool true\n"));
    place(QPoint(kLeft + kColumnStep, y),
          Stored(QStringLiteral("自动保存"), 2, "m_check = bool true\nm_value = bool true\n"));
    place(QPoint(kLeft + 2 * kColumnStep, y), Stored(QStringLiteral("焦点"), 0))->setFocus();
    PlaceNote(page, QStringLiteral("off / on / focused"), QPoint(kLeft + 3 * kColumnStep, y + 6));

    // Icons: with caption (taller, the icon goes above it), alone, disabled.
    const int y1 = y + kRowStep;
    constexpr int kIconHeight = 44;
    PlaceNote(page, QStringLiteral("useIco"), QPoint(10, y1 + 14));
    xButton* withIcon = PlaceControl<xButton>(
        page, QStringLiteral("xButton%1").arg(n++), QRect(kLeft, y1, kWidth, kIconHeight),
        Stored(QStringLiteral("新建"), 4, "useico = bool true\n"));
    withIcon->SetIco(0, Badge(QColor(0x2E, 0x8B, 0x57)));
    withIcon->SetIco(1, Badge(QColor(0x3C, 0xB3, 0x71)));
    xButton* iconOnly = PlaceControl<xButton>(page, QStringLiteral("xButton%1").arg(n++),
                                              QRect(kLeft + kColumnStep, y1 + 6, 32, kHeight),
                                              Stored(QString(), 4, "useico = bool true\n"));
    iconOnly->SetIco(0, Badge(QColor(0x1E, 0x6F, 0xC0)));
    xButton* disabledIcon = PlaceControl<xButton>(
        page, QStringLiteral("xButton%1").arg(n++),
        QRect(kLeft + 2 * kColumnStep, y1, kWidth, kIconHeight),
        Stored(QStringLiteral("删除"), 4, "useico = bool true\nenabled = bool false\n"));
    disabledIcon->SetIco(0, Badge(QColor(0xC0, 0x39, 0x2B)));
    disabledIcon->SetIco(3, Badge(QColor(0xA0, 0xA0, 0xA0)));
    PlaceNote(page, QStringLiteral("icon / icon only / disabled"),
              QPoint(kLeft + 3 * kColumnStep, y1 + 14));

    // Float: the normal face is left blank.
    const int y2 = y1 + kRowStep + 16;
    PlaceNote(page, QStringLiteral("float"), QPoint(10, y2 + 6));
    for (int skin = 0; skin < 3; ++skin) {
        xButton* floating = place(QPoint(kLeft + skin * kColumnStep, y2),
                                  Stored(QStringLiteral("浮动"), skin, "float = bool true\n"));
        if (skin == 2) Bring(floating, Shown::Hover);
    }
    PlaceNote(page, QStringLiteral("normal / normal / hover"),
              QPoint(kLeft + 3 * kColumnStep, y2 + 6));
    return page;
}

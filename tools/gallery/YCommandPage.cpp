// The flat command button: its three looks (normal, hover, pressed) from a few base colours,
// disabled; one- and two-line captions, a caption wrapped by a narrow button, and icons.
// Hover and press are brought about with mouse input; the real mouse takes over once the page
// is shown.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "Colors.h"
#include "GalleryPages.h"
#include "PagePlacement.h"
#include "YCommand.h"

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 34;
constexpr int kColumnStep = 120;
constexpr int kRowStep = 50;
constexpr int kLeft = 110;
constexpr int kTop = 30;

const struct {
    quint32 base;
    const char* note;
} kBases[] = {{YCommand::kDefaultBase, "clrBase default"},
              {Colors::Rgb(92, 184, 92), "clrBase green"},
              {Colors::Rgb(240, 150, 60), "clrBase orange"},
              {Colors::Rgb(120, 120, 130), "clrBase grey"}};

const char* const kColumns[] = {"Normal", "Hover", "Pressed", "Enabled False"};

void SendMouse(QWidget* button, QEvent::Type type, Qt::MouseButtons held) {
    const QPointF at(button->width() / 2, button->height() / 2);
    const Qt::MouseButton which = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, button->mapToGlobal(at), which, held, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

QString Stored(const QString& caption, quint32 base, const QString& more = {}) {
    return QStringLiteral("caption = str \"%1\"\nclrbase = uint 0x%2\n")
               .arg(caption)
               .arg(base, 0, 16) +
           more;
}

// A document icon, 16 x 16.
QImage DocumentIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.setBrush(Qt::white);
    painter.drawRect(2, 1, 11, 14);
    painter.setPen(QColor(0x3C, 0x7F, 0xB1));
    for (int y = 4; y <= 12; y += 3)
        painter.drawLine(4, y, 11, y);
    return image;
}

}  // namespace

QWidget* BuildYCommandPage() {
    QWidget* page = NewPage(QSize(kLeft + 4 * kColumnStep, kTop + 7 * kRowStep + 30));
    int n = 1;
    auto place = [&](QRect rect, const QString& stored) {
        return PlaceControl<YCommand>(page, QStringLiteral("YCommand%1").arg(n++), rect, stored);
    };
    for (int column = 0; column < 4; ++column)
        PlaceNote(page, QString::fromUtf8(kColumns[column]),
                  QPoint(kLeft + column * kColumnStep, 8));
    for (int row = 0; row < 4; ++row) {
        const int y = kTop + row * kRowStep;
        PlaceNote(page, QString::fromUtf8(kBases[row].note), QPoint(10, y + 10));
        for (int column = 0; column < 4; ++column) {
            const QRect rect(kLeft + column * kColumnStep, y, kWidth, kHeight);
            YCommand* button = place(
                rect, Stored(QStringLiteral("开始生成"), kBases[row].base,
                             column == 3 ? QStringLiteral("enabled = bool false\n") : QString()));
            if (column == 1) SendMouse(button, QEvent::MouseMove, Qt::NoButton);
            // A press shows its look until the button's leave timer finds the pointer
            // elsewhere, so it comes once the page is up.
            if (column == 2)
                QTimer::singleShot(0, button, [button] {
                    SendMouse(button, QEvent::MouseMove, Qt::NoButton);
                    SendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
                });
        }
    }

    // Captions and icons, in the default colour.
    const quint32 base = YCommand::kDefaultBase;
    const int y = kTop + 4 * kRowStep + 10;
    PlaceNote(page, QStringLiteral("Caption"), QPoint(10, y + 14));
    place(QRect(kLeft, y, kWidth, 44), Stored(QStringLiteral("一行标题"), base));
    place(QRect(kLeft + kColumnStep, y, kWidth, 44),
          Stored(QStringLiteral("第一行\\r\\n第二行"), base));
    place(QRect(kLeft + 2 * kColumnStep, y, 60, 44), Stored(QStringLiteral("自动换行标题"), base));
    place(QRect(kLeft + 3 * kColumnStep, y, kWidth, 44),
          Stored(QStringLiteral("禁用\\r\\n两行"), base, QStringLiteral("enabled = bool false\n")));
    PlaceNote(page, QStringLiteral("one line / CR LF / narrow / disabled, two lines"),
              QPoint(kLeft, y + 48));

    const int y2 = y + 2 * kRowStep;
    PlaceNote(page, QStringLiteral("Icon"), QPoint(10, y2 + 10));
    const char* const iconCaptions[] = {"打开", "保存\\r\\n全部", "打开"};
    for (int i = 0; i < 3; ++i) {
        YCommand* button =
            place(QRect(kLeft + i * kColumnStep, y2, kWidth, kHeight),
                  Stored(QString::fromUtf8(iconCaptions[i]), base,
                         i == 2 ? QStringLiteral("enabled = bool false\n") : QString()));
        button->SetIcon(DocumentIcon());
    }
    PlaceNote(page, QStringLiteral("icon / icon, two lines / icon, disabled"),
              QPoint(kLeft, y2 + kHeight + 4));
    return page;
}

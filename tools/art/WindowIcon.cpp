// Draws the window icon, a parchment speech bubble with lines of script and a quill across it,
// at 256, 32 and 16 pixels (32 bits with alpha), and writes window_icon.png, window_icon32.png
// and window_icon16.png into the folder given. The shapes are laid out on a 32-unit grid with
// their straight edges on even units, so that they fall on whole pixels at 16 and 32 pixels;
// the large size adds shading and detail the small ones could not show.
#include "ArtKit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

using namespace ArtKit;

namespace {

const QColor kInk = Hex(0x3A220E);
const QColor kParchment = Hex(0xF6E8C2);
const QColor kParchmentShade = Hex(0xD9BC82);
const QColor kLink = Hex(0xC4301E);
const QColor kFeather = Hex(0xFFFFFF);
const QColor kFeatherShade = Hex(0x9FB4CC);
const QColor kQuillInk = Hex(0x1C2838);
const QColor kNib = Hex(0xE0B040);

QPainterPath Bubble(double inset) {
    QPainterPath path;
    path.addRoundedRect(QRectF(2 + inset, 4 + inset, 24 - 2 * inset, 18 - 2 * inset), 4 - inset,
                        4 - inset);
    QPainterPath tail;
    tail.moveTo(6 + inset, 20);
    tail.lineTo(12 - inset, 20);
    tail.lineTo(4 + inset * 0.6, 28 - inset * 1.8);
    tail.closeSubpath();
    return path.united(tail);
}

// The feather along the shaft from the nib (14, 26) to the tip (30, 2).
QPainterPath Vane() {
    QPainterPath vane;
    vane.moveTo(18.5, 20);
    vane.cubicTo(17, 12, 24, 4, 30, 2);
    vane.cubicTo(31, 9, 27, 16, 20.5, 21.5);
    vane.closeSubpath();
    return vane;
}

void DrawIcon(QPainter& painter, int size) {
    const double s = size / 32.0;
    const double line = size >= 128 ? 1.0 / s * 5 : 1.0 / s;  // outline width in units
    painter.scale(s, s);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // Bubble: a soft shadow at the large size, ink outline, parchment inside shaded towards the
    // bottom right.
    if (size >= 128) {
        for (int i = 3; i >= 1; --i) {
            painter.setBrush(QColor(0, 0, 0, 28));
            painter.drawPath(Bubble(0).translated(0.25 * i, 0.35 * i));
        }
    }
    painter.setBrush(kInk);
    painter.drawPath(Bubble(0));
    QLinearGradient paper(QPointF(4, 4), QPointF(24, 26));
    paper.setColorAt(0, kParchment);
    paper.setColorAt(size >= 128 ? 1.0 : 3.0 / 4, size >= 128 ? kParchmentShade : kParchment);
    painter.setBrush(paper);
    painter.drawPath(Bubble(line));

    if (size >= 128) {
        // A sheen along the top of the paper.
        QLinearGradient sheen(QPointF(0, 5), QPointF(0, 9));
        sheen.setColorAt(0, QColor(255, 255, 255, 150));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(sheen);
        painter.drawRoundedRect(QRectF(3.5, 5, 21, 4), 2.5, 2.5);
    }
    // Lines of script, the middle one a red link.
    painter.setBrush(Mix(kInk, kParchment, 0.15));
    painter.drawRect(QRectF(6, 8, 16, 2));
    painter.setBrush(kLink);
    painter.drawRect(QRectF(6, 12, 10, 2));
    painter.setBrush(Mix(kInk, kParchment, 0.15));
    painter.drawRect(QRectF(6, 16, 8, 2));

    // Quill: a shadow on the paper, the vane, the shaft and a gold nib.
    if (size >= 128) {
        painter.setBrush(QColor(0x3A, 0x22, 0x0E, 70));
        painter.drawPath(Vane().translated(-1, 1));
    }
    QLinearGradient feather(QPointF(20, 8), QPointF(26, 14));
    feather.setColorAt(0, kFeather);
    feather.setColorAt(1, kFeatherShade);
    painter.setPen(QPen(kQuillInk, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(feather);
    painter.drawPath(Vane());
    if (size >= 128) {
        // Barbs across the vane.
        painter.setPen(QPen(kFeatherShade, line * 0.5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 7; ++i) {
            const double t = 0.15 + 0.1 * i;
            const QPointF on(19 + 11 * t, 20 - 18 * t);
            painter.drawLine(on, on + QPointF(-2.5 + t, -1.5 - t * 2));
            painter.drawLine(on, on + QPointF(2.2, 0.8 + t));
        }
    }
    painter.setPen(QPen(kQuillInk, line * 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 24), QPointF(29, 3));
    QPainterPath nib;
    nib.moveTo(16.8, 22.2);
    nib.lineTo(18.6, 23.4);
    nib.lineTo(14, 28);
    nib.closeSubpath();
    painter.setPen(QPen(kQuillInk, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kNib);
    painter.drawPath(nib);
}

// At 16 pixels the quill would blur into a smudge, so that size is drawn pixel by pixel.
QImage SmallIcon() {
    static const char* const kRows[16] = {
        "..............kk",  //
        ".............kfk",  //
        ".oooooooooo.kfgk",  //
        "oppppppppppkfgk.",  //
        "opllllllllkfgk..",  //
        "opppppppppkfgk..",  //
        "oprrrrrppkfgk...",  //
        "opppppppkfgk....",  //
        "opllllppkfk.....",  //
        "osssssskgkso....",  //
        ".ospookkoooo....",  //
        ".oo..nk.........",  //
        "o...n...........",  //
        "................",  //
        "................",  //
        "................",  //
    };
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            QColor c;
            switch (kRows[y][x]) {
                case 'o':
                    c = kInk;
                    break;
                case 'p':
                    c = kParchment;
                    break;
                case 's':
                    c = kParchmentShade;
                    break;
                case 'l':
                    c = Mix(kInk, kParchment, 0.15);
                    break;
                case 'r':
                    c = kLink;
                    break;
                case 'f':
                    c = kFeather;
                    break;
                case 'g':
                    c = kFeatherShade;
                    break;
                case 'k':
                    c = kQuillInk;
                    break;
                case 'n':
                    c = kNib;
                    break;
                default:
                    continue;
            }
            image.setPixelColor(x, y, c);
        }
    return image;
}

QImage Icon(int size) {
    if (size == 16) return SmallIcon();
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawIcon(painter, size);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, [] {
        return QList<NamedImage>{{QStringLiteral("window_icon.png"), Icon(256)},
                                 {QStringLiteral("window_icon32.png"), Icon(32)},
                                 {QStringLiteral("window_icon16.png"), Icon(16)}};
    });
}

#include <gtest/gtest.h>
#include <QRandomGenerator>

#include "FontSetup.h"
#include "PrintComposer.h"

namespace {

struct Print {
    QPoint at;
    QRgb color;
    QString text;
};

QImage Background() {
    QImage image(120, 60, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 4, (x ^ y) & 0xFF));
    return image;
}

const QImage& Compose(PrintComposer& composer, const QList<Print>& prints) {
    for (const Print& p : prints)
        composer.Queue(p.at, p.color, composer.Glyphs().Lookup(p.text));
    return composer.Image();
}

// A redraw after a clear draws again only where it differs from what is shown; the picture must
// be exactly what composing the same prints on a fresh background gives, overlaps, antialiased
// edges and prints reaching out of the picture included.
TEST(PrintComposer, RedrawingWhatChangedGivesTheFullComposition) {
    const QList<QFont> fonts = {FontSetup::MakeFont(QStringLiteral("新宋体"), 9),
                                FontSetup::MakeFont(QStringLiteral("Tahoma"), 11)};
    const QStringList texts = {"a", "W", "中", "ab", "<链接>", "x y", ""};
    const QList<QRgb> colors = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 255)};
    QRandomGenerator random(5);
    auto randomPrint = [&] {
        return Print{QPoint(random.bounded(-10, 125), random.bounded(-14, 64)),
                     colors[random.bounded(int(colors.size()))],
                     texts[random.bounded(int(texts.size()))]};
    };
    PrintComposer composer(fonts[0]);
    composer.SetBackground(Background());
    QList<Print> frame;
    for (int step = 0; step < 400; ++step) {
        // Mostly small changes to the last frame, as a keystroke makes them.
        if (step % 50 == 0) {
            frame.clear();
            for (int i = 0; i < 30; ++i)
                frame.append(randomPrint());
        }
        for (int n = random.bounded(3); n >= 0; --n) {
            const int at = random.bounded(int(frame.size()) + 1);
            switch (random.bounded(3)) {
                case 0:
                    frame.insert(at, randomPrint());
                    break;
                case 1:
                    if (at < frame.size()) frame.removeAt(at);
                    break;
                default:
                    if (at < frame.size()) frame[at].at += QPoint(random.bounded(-3, 4), 0);
            }
        }
        const QFont& font = fonts[(step / 100) % 2];
        composer.Clear();
        if (font != composer.Font()) composer.SetFont(font);
        if (random.bounded(10) == 0) {
            composer.Image();  // a read in the middle of a redraw composes what is queued
        }
        const QImage shown = Compose(composer, frame);

        PrintComposer fresh(font);
        fresh.SetBackground(Background());
        ASSERT_EQ(shown, Compose(fresh, frame)) << "step " << step;
    }
}

}  // namespace

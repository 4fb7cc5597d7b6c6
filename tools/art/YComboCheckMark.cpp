// Draws the check mark of the drop-down list's check-box rows: a 16 x 16 picture, white where
// the row shows through, with a dark two-pixel tick, and writes it as ycombo_check.png into the
// folder given on the command line.

#include <QDir>
#include <QImage>
#include <QTextStream>

namespace {

constexpr int kSize = 16;
constexpr QRgb kBackground = 0xFFFFFFFF;  // the see-through colour
constexpr QRgb kInk = 0xFF202020;

// The tick's lower-left arm, then its long right arm, as the top pixel of each two-pixel column.
constexpr int kTickTop[kSize] = {-1, -1, 7, 8, 9, 10, 9, 8, 7, 6, 5, 4, 3, -1, -1, -1};

QImage DrawMark() {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(kBackground);
    for (int x = 0; x < kSize; ++x) {
        const int top = kTickTop[x];
        if (top < 0) continue;
        for (int y = top; y < top + 3; ++y)
            image.setPixel(x, y, kInk);
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: art-YComboCheckMark OUTPUT_FOLDER\n";
        return 2;
    }
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath("ycombo_check.png");
    if (!DrawMark().save(path, "PNG")) {
        err << "cannot write " << path << "\n";
        return 1;
    }
    return 0;
}

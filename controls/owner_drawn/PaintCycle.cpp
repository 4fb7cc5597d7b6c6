#include "PaintCycle.h"

#include "CodePage.h"
#include "Colors.h"
#include "Rounding.h"

namespace PaintCycle {
namespace {

constexpr int kMaxBufferSide = 8192;
constexpr int kScreenDpi = 96;
constexpr int kFaceNameBytes = 32;

double PointSize(const QFont& font) {
    if (font.pointSizeF() > 0) return font.pointSizeF();
    return font.pixelSize() > 0 ? font.pixelSize() * 72.0 / kScreenDpi : 9.0;
}

// The face name cut, at a character boundary, to what the field holds with its final NUL.
QString FaceName(const QString& family) {
    QString name;
    int bytes = 0;
    for (qsizetype i = 0; i < family.size(); ++i) {
        qsizetype take = family[i].isHighSurrogate() && i + 1 < family.size() ? 2 : 1;
        const QString piece = family.mid(i, take);
        const int size = int(CodePage::FromUnicode(piece).size());
        if (bytes + size > kFaceNameBytes - 1) break;
        bytes += size;
        name += CodePage::ToUnicode(CodePage::FromUnicode(piece));
        i += take - 1;
    }
    return name;
}

}  // namespace

std::unique_ptr<Surface> CreateBackBuffer(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxBufferSide || height > kMaxBufferSide)
        return nullptr;
    return std::make_unique<Surface>(QSize(width, height));
}

int FontPixelHeight(const QFont& font) {
    const int points = RoundHalfEven(PointSize(font));
    return RoundHalfEven(double(points) * kScreenDpi / 72.0);
}

QFont CreateFontFromObject(const QFont& font) {
    QFont made;
    made.setFamily(FaceName(font.family()));
    made.setPixelSize(qMax(1, FontPixelHeight(font)));
    made.setWeight(font.bold() ? QFont::Bold : QFont::Normal);
    made.setItalic(font.italic());
    made.setUnderline(font.underline());
    made.setStrikeOut(font.strikeOut());
    made.setStyleStrategy(font.styleStrategy());
    return made;
}

QString AnsiText(const QString& text) {
    return CodePage::ToUnicode(CodePage::FromUnicode(text));
}

void PaintControl(Surface& target, QSize client, const QFont& font, quint32 foreColor,
                  const std::function<void(Surface*)>& draw) {
    const auto buffer = CreateBackBuffer(client.width(), client.height());
    if (!buffer) {
        draw(nullptr);
        return;
    }
    buffer->SetBkMode(Gdi::TRANSPARENT);
    buffer->SetTextColor(Colors::TranslateColor(foreColor));
    buffer->SelectFont(CreateFontFromObject(font));
    draw(buffer.get());
    target.BitBlt(0, 0, client.width(), client.height(), buffer->image(), 0, 0);
}

}  // namespace PaintCycle

#include "PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstring>

#include "Colors.h"
#include "FontSetup.h"
#include "GlyphCache.h"
#include "Units.h"

namespace {

bool IsSingleLine(const QString& text) {
    return text.size() == 1 ? text[0] != QLatin1Char('\n') : !text.contains(QLatin1Char('\n'));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent),
      m_background(1, 1, QImage::Format_RGB32),
      m_image(1, 1, QImage::Format_RGB32),
      m_glyphs(std::make_unique<GlyphCache>(FontSetup::DefaultFont())) {
    RebuildBackground();
}

PictureBox::~PictureBox() = default;

void PictureBox::SetBoxSize(QSize size) {
    setFixedSize(size);
    m_background = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    RebuildBackground();
}

void PictureBox::SetPicture(const QImage& picture) {
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    RebuildBackground();
}

void PictureBox::SetBackColor(quint32 colour) {
    m_backColor = colour;
    RebuildBackground();
}

void PictureBox::SetPrintFont(const QFont& font) {
    m_glyphs = std::make_unique<GlyphCache>(font);
}

const QFont& PictureBox::PrintFont() const {
    return m_glyphs->Font();
}

void PictureBox::SetScaleMode(ScaleMode mode) {
    m_scaleMode = mode;
}

void PictureBox::SetOrigin(QPoint offsetPixels) {
    m_origin = offsetPixels;
}

double PictureBox::UnitsPerPixel() const {
    return m_scaleMode == ScaleMode::Twips ? Units::kTwipsPerPixel : 1.0;
}

QPoint PictureBox::ToPixels(double x, double y) const {
    if (m_scaleMode == ScaleMode::Pixels)
        return QPoint(m_origin.x() + RoundHalfEven(x), m_origin.y() + RoundHalfEven(y));
    const double scale = UnitsPerPixel();
    return QPoint(m_origin.x() + RoundHalfEven(x / scale), m_origin.y() + RoundHalfEven(y / scale));
}

void PictureBox::RebuildBackground() {
    m_background.fill(Colors::ToQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter painter(&m_background);
        painter.drawImage(0, 0, m_picture);
    }
    m_image = m_background.copy();
    m_pending.clear();
    m_resetPending = false;
    m_inkedRows.assign(size_t(m_image.height()), {m_image.width(), -1});
    m_inked = false;
    RequestUpdate();
}

void PictureBox::RestoreBackground() const {
    if (!m_inked) return;
    const qsizetype stride = m_image.bytesPerLine();
    uchar* image = m_image.bits();
    const uchar* background = m_background.constBits();
    for (size_t y = 0; y < m_inkedRows.size(); ++y) {
        auto& [left, right] = m_inkedRows[y];
        if (right < left) continue;
        const qsizetype offset = qsizetype(y) * stride + left * 4;
        std::memcpy(image + offset, background + offset, size_t(right - left + 1) * 4);
        left = m_image.width();
        right = -1;
    }
    m_inked = false;
}

void PictureBox::Flush() const {
    if (m_resetPending) {
        RestoreBackground();
        m_resetPending = false;
    }
    const GlyphCache::Canvas canvas = GlyphCache::CanvasOf(m_image);
    for (const PendingText& print : m_pending) {
        const QRect inked = m_glyphs->Draw(canvas, print.at, print.colour, *print.glyph);
        if (inked.isEmpty()) continue;
        m_inked = true;
        for (int y = inked.top(); y <= inked.bottom(); ++y) {
            auto& [left, right] = m_inkedRows[size_t(y)];
            left = std::min(left, inked.left());
            right = std::max(right, inked.right());
        }
    }
    m_pending.clear();
    m_glyphs->Trim();  // nothing refers to its entries now
}

const QImage& PictureBox::Image() const {
    Flush();
    return m_image;
}

void PictureBox::Cls() {
    m_pending.clear();
    m_resetPending = true;
    RequestUpdate();
    m_currentX = 0;
    m_currentY = 0;
    if (m_observer) m_observer->OnCls();
}

void PictureBox::SetForeColor(quint32 colour) {
    if (colour == m_foreColor) return;
    m_foreColor = colour;
    m_foreRgb = Colors::ToRgb(colour);
}

void PictureBox::Print(const QString& text, bool keepLineOpen) {
    double width = 0;
    if (!text.isEmpty() && IsSingleLine(text)) {
        // The common case, one character or one run: looked up once for drawing and width.
        GlyphCache::Entry& glyph = m_glyphs->Lookup(text);
        width = glyph.advance * UnitsPerPixel();
        const QPoint at = ToPixels(m_currentX, m_currentY);
        if (m_observer) m_observer->OnText(at.x(), at.y(), m_foreColor, text);
        QueueGlyph(at, m_foreRgb, glyph);
        RequestUpdate();
    } else {
        DrawText(text);
        width = TextWidth(text);
    }
    if (keepLineOpen) {
        m_currentX += width;
    } else {
        PrintNewLine();
    }
}

void PictureBox::PrintNewLine() {
    m_currentX = 0;
    m_currentY += m_glyphs->LineHeight() * UnitsPerPixel();
}

void PictureBox::DrawText(const QString& text) {
    if (text.isEmpty()) return;
    const QPoint at = ToPixels(m_currentX, m_currentY);
    if (m_observer) m_observer->OnText(at.x(), at.y(), m_foreColor, text);
    const QRgb colour = m_foreRgb;
    // A line break inside the text starts the next line of the font at the same x.
    qsizetype start = 0;
    for (int line = 0; start <= text.size(); ++line) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        const QPoint lineAt = at + QPoint(0, RoundHalfEven(line * m_glyphs->LineHeight()));
        QueueGlyph(lineAt, colour, m_glyphs->Lookup(text.mid(start, end - start)));
        start = end + 1;
    }
    RequestUpdate();
}

void PictureBox::QueueGlyph(QPoint at, QRgb colour, GlyphCache::Entry& glyph) {
    // Text wholly outside the box cannot show; skip it, the caller keeps the pen moving.
    if (at.x() >= m_image.width() || at.y() >= m_image.height() ||
        at.y() + m_glyphs->LineHeight() <= 0)
        return;
    m_pending.push_back({at, colour, &glyph});
    constexpr size_t kMaxPending = 4096;
    if (m_pending.size() > kMaxPending) Flush();
}

double PictureBox::TextWidth(const QString& text) const {
    // The widest line, as for a multi-line text.
    if (IsSingleLine(text)) return m_glyphs->Advance(text) * UnitsPerPixel();
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, m_glyphs->Advance(line));
    return widest * UnitsPerPixel();
}

double PictureBox::TextHeight(const QString& text) const {
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    return m_glyphs->LineHeight() * double(lines) * UnitsPerPixel();
}

void PictureBox::RequestUpdate() {
    if (m_updateRequested) return;
    m_updateRequested = true;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    m_updateRequested = false;
    Flush();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

#include "PictureBox.h"

#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "Colors.h"
#include "FontSetup.h"
#include "PropertyBag.h"
#include "Units.h"

namespace {

bool IsSingleLine(const QString& text) {
    return text.size() == 1 ? text[0] != QLatin1Char('\n') : !text.contains(QLatin1Char('\n'));
}

// An origin offset held well inside the pixel range, whatever the stored number.
int OriginPixels(double pixels) {
    constexpr double kLimit = 1e6;
    return std::isfinite(pixels) ? RoundHalfEven(qBound(-kLimit, pixels, kLimit)) : 0;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), m_composer(FontSetup::DefaultFont()) {
    RebuildBackground();
}

PictureBox::~PictureBox() = default;

void PictureBox::SetBoxSize(QSize size) {
    setFixedSize(size);
    m_boxSize = size.expandedTo(QSize(1, 1));
    RebuildBackground();
}

void PictureBox::ReadProperties(const PropertyBag& bag) {
    SetPrintFont(bag.Read<QFont>(QStringLiteral("Font"), PrintFont()));
    SetForeColor(
        Colors::TranslateColor(bag.Read<quint32>(QStringLiteral("ForeColor"), m_foreColor)));
    m_backColor =
        Colors::TranslateColor(bag.Read<quint32>(QStringLiteral("BackColor"), m_backColor));
    m_picture =
        bag.Read<QImage>(QStringLiteral("Picture"), QImage()).convertToFormat(QImage::Format_RGB32);
    constexpr int kTwipsMode = 1;
    constexpr int kPixelsMode = 3;
    const int mode = bag.Read<int>(QStringLiteral("ScaleMode"), kPixelsMode);
    m_scaleMode = mode == kTwipsMode ? ScaleMode::Twips : ScaleMode::Pixels;
    m_origin =
        QPoint(OriginPixels(-bag.Read<double>(QStringLiteral("ScaleLeft"), 0.0) / UnitsPerPixel()),
               OriginPixels(-bag.Read<double>(QStringLiteral("ScaleTop"), 0.0) / UnitsPerPixel()));
    RebuildBackground();
}

void PictureBox::SetPicture(const QImage& picture) {
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    RebuildBackground();
}

void PictureBox::SetBackColor(quint32 color) {
    m_backColor = color;
    RebuildBackground();
}

void PictureBox::SetPrintFont(const QFont& font) {
    m_composer.SetFont(font);
}

double PictureBox::LineStep() const {
    return m_composer.Glyphs().LineHeight() * UnitsPerPixel();
}

QPoint PictureBox::ToPixels(double x, double y) const {
    if (m_scaleMode == ScaleMode::Pixels)
        return QPoint(m_origin.x() + RoundHalfEven(x), m_origin.y() + RoundHalfEven(y));
    const double scale = UnitsPerPixel();
    return QPoint(m_origin.x() + RoundHalfEven(x / scale), m_origin.y() + RoundHalfEven(y / scale));
}

void PictureBox::RebuildBackground() {
    QImage background(m_boxSize, QImage::Format_RGB32);
    background.fill(Colors::ToQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter painter(&background);
        painter.drawImage(0, 0, m_picture);
    }
    m_composer.SetBackground(std::move(background));
    RequestUpdate();
}

void PictureBox::Cls() {
    m_composer.Clear();
    RequestUpdate();
    m_currentX = 0;
    m_currentY = 0;
    emit Cleared();
}

void PictureBox::SetForeColor(quint32 color) {
    if (color == m_foreColor) return;
    m_foreColor = color;
    m_foreRgb = Colors::ToRgb(color);
}

double PictureBox::QueueLine(const QString& line, QPoint at) {
    GlyphCache::Entry& glyph = m_composer.Glyphs().Lookup(line);
    const double width = glyph.advance;
    m_composer.Queue(at, m_foreRgb, glyph);
    return width;
}

void PictureBox::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&PictureBox::TextPrinted)) m_textPrintedWatched = true;
}

void PictureBox::disconnectNotify(const QMetaMethod& signal) {
    // An invalid method stands for a disconnection from every signal.
    const QMetaMethod textPrinted = QMetaMethod::fromSignal(&PictureBox::TextPrinted);
    if (!signal.isValid() || signal == textPrinted)
        m_textPrintedWatched = isSignalConnected(textPrinted);
}

void PictureBox::Print(const QString& text, bool keepLineOpen) {
    double width = 0;
    if (!text.isEmpty()) {
        const QPoint at = ToPixels(m_currentX, m_currentY);
        // The previews print a character at a time: the signal only when someone listens.
        if (m_textPrintedWatched) emit TextPrinted(at.x(), at.y(), m_foreColor, text);
        RequestUpdate();
        width = IsSingleLine(text) ? QueueLine(text, at) : QueueLines(text);
    }
    if (keepLineOpen) {
        m_currentX += width * UnitsPerPixel();
    } else {
        PrintNewLine();
    }
}

double PictureBox::QueueLines(const QString& text) {
    qsizetype start = 0;
    for (qsizetype end = text.indexOf(QLatin1Char('\n')); end >= 0;
         end = text.indexOf(QLatin1Char('\n'), start)) {
        QueueLine(text.mid(start, end - start), ToPixels(m_currentX, m_currentY));
        PrintNewLine();
        start = end + 1;
    }
    return QueueLine(text.mid(start), ToPixels(m_currentX, m_currentY));
}

void PictureBox::PrintNewLine() {
    m_currentX = 0;
    m_currentY += LineStep();
}

double PictureBox::TextWidth(const QString& text) const {
    GlyphCache& glyphs = m_composer.Glyphs();
    if (IsSingleLine(text)) return glyphs.Advance(text) * UnitsPerPixel();
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, glyphs.Advance(line));
    return widest * UnitsPerPixel();
}

double PictureBox::TextHeight(const QString& text) const {
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    return LineStep() * double(lines);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    m_updateRequested = false;
    QPainter painter(this);
    painter.drawImage(event->rect(), Image(), event->rect());
}

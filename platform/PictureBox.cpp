#include "PictureBox.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>

#include "Colors.h"
#include "FontSetup.h"
#include "Units.h"

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), m_image(1, 1, QImage::Format_RGB32) {
    SetPrintFont(FontSetup::DefaultFont());
    ResetImage();
}

PictureBox::~PictureBox() {
    EndPainting();
}

void PictureBox::SetBoxSize(QSize size) {
    EndPainting();
    setFixedSize(size);
    m_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    ResetImage();
}

void PictureBox::SetPicture(const QImage& picture) {
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    Cls();
}

void PictureBox::SetBackColor(quint32 colour) {
    m_backColor = colour;
    Cls();
}

void PictureBox::SetPrintFont(const QFont& font) {
    EndPainting();
    m_font = font;
    m_metrics = QFontMetricsF(m_font);
    m_lineHeight = m_metrics.height();
    m_ascent = m_metrics.ascent();
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
    const double scale = UnitsPerPixel();
    return QPoint(m_origin.x() + RoundHalfEven(x / scale), m_origin.y() + RoundHalfEven(y / scale));
}

QImage PictureBox::Image() const {
    EndPainting();
    return m_image;
}

void PictureBox::ResetImage() {
    EndPainting();
    m_image.fill(Colors::ToQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_picture);
    }
    update();
}

void PictureBox::Cls() {
    ResetImage();
    m_currentX = 0;
    m_currentY = 0;
    if (m_observer) m_observer->OnCls();
}

void PictureBox::Print(const QString& text, bool keepLineOpen) {
    DrawText(text);
    if (keepLineOpen) {
        m_currentX += TextWidth(text);
    } else {
        PrintNewLine();
    }
}

void PictureBox::PrintNewLine() {
    m_currentX = 0;
    m_currentY += m_lineHeight * UnitsPerPixel();
}

void PictureBox::DrawText(const QString& text) {
    if (text.isEmpty()) return;
    const QPoint at = ToPixels(m_currentX, m_currentY);
    if (m_observer) m_observer->OnText(at.x(), at.y(), m_foreColor, text);
    // Text wholly outside the box cannot show; skip the drawing, the caller keeps the pen moving.
    if (at.x() >= m_image.width() || at.y() >= m_image.height() || at.y() + m_lineHeight <= 0)
        return;
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setFont(m_font);
    }
    m_painter->setPen(Colors::ToQColor(m_foreColor));
    // Text is placed by the top-left corner of its cell.
    m_painter->drawText(QPointF(at.x(), at.y() + m_ascent), text);
    update();
}

double PictureBox::TextWidth(const QString& text) const {
    // The widest line, as for a multi-line text.
    double widest = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        widest = std::max(widest, m_metrics.horizontalAdvance(text.mid(start, end - start)));
        start = end + 1;
    }
    return widest * UnitsPerPixel();
}

double PictureBox::TextHeight(const QString& text) const {
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    return m_lineHeight * double(lines) * UnitsPerPixel();
}

void PictureBox::EndPainting() const {
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    EndPainting();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

#include "Surface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "Blit.h"
#include "Colors.h"
#include "FontSetup.h"

using namespace Gdi;

namespace {

using Colors::ToQColor;
using Colors::ToRgb;

// Larger surfaces than any screen are refused: the image would only exhaust memory.
constexpr int kMaxSide = 8192;

// The image is 96 dpi, so point sizes map to pixels as on the target desktop (9 pt = 12 px).
constexpr int kDotsPerMeter96Dpi = 3780;

int penWidthOf(const Pen& pen) {
    return std::clamp(pen.width, 1, 4096);
}

}  // namespace

Surface::Surface(QSize size) {
    clearImage(size);
}

void Surface::Resize(QSize size) {
    clearImage(size);
}

void Surface::clearImage(QSize size) {
    m_image = QImage(size.expandedTo(QSize(1, 1)).boundedTo(QSize(kMaxSide, kMaxSide)),
                     QImage::Format_RGB32);
    m_image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    m_image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    m_image.fill(ToRgb(m_bkColor));
}

void Surface::Cls() {
    m_image.fill(ToRgb(m_bkColor));
    m_position = QPoint(0, 0);
}

Pen Surface::SelectPen(const Pen& pen) {
    return std::exchange(m_pen, pen);
}

Brush Surface::SelectBrush(const Brush& brush) {
    return std::exchange(m_brush, brush);
}

quint32 Surface::SetTextColor(quint32 color) {
    return std::exchange(m_textColor, color);
}

quint32 Surface::SetBkColor(quint32 color) {
    return std::exchange(m_bkColor, color);
}

int Surface::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;  // the system's failure value
    return std::exchange(m_bkMode, mode);
}

QPoint Surface::MoveToEx(int x, int y) {
    return std::exchange(m_position, QPoint(x, y));
}

QFont Surface::SelectFont(const QFont& font) {
    return std::exchange(m_font, PrepareFont(font));
}

QFont Surface::PrepareFont(QFont font) {
    if (FontSetup::IsSongFace(font.family())) {
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    }
    return font;
}

quint32 Surface::SetPixel(int x, int y, quint32 color) {
    if (!m_image.valid(x, y)) return CLR_INVALID;
    const QRgb p = ToRgb(color);
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = p;
    return Colors::PixelToRgb(p);
}

quint32 Surface::GetPixel(int x, int y) const {
    if (!m_image.valid(x, y)) return CLR_INVALID;
    return Colors::PixelToRgb(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

void Surface::fillSpan(int y, int x0, int x1, quint32 pixel) {
    if (y < 0 || y >= height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width());
    if (x0 >= x1) return;
    auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    std::fill(row + x0, row + x1, pixel);
}

void Surface::fillBrushSpan(int y, int x0, int x1) {
    if (m_brush.style == BS_SOLID) {
        fillSpan(y, x0, x1, ToRgb(m_brush.color));
        return;
    }
    if (m_brush.style != BS_HATCHED || y < 0 || y >= height()) return;
    // Hatch lines in the brush colour; between them the background, when it is opaque.
    const QRgb on = ToRgb(m_brush.color);
    const QRgb off = ToRgb(m_bkColor);
    auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    for (int x = std::max(x0, 0); x < std::min(x1, width()); ++x) {
        if (HatchBit(m_brush.hatch, x, y)) {
            row[x] = on;
        } else if (m_bkMode == OPAQUE) {
            row[x] = off;
        }
    }
}

void Surface::stampRun(int y, int x0, int x1, const PenTip& tip, quint32 pixel) {
    // The union of the pen tips along a horizontal run is one span per tip row.
    x0 = std::max(x0, -tip.width);
    x1 = std::min(x1, width() + tip.width);
    if (x0 >= x1) return;
    for (const PenTip::Row& row : tip.rows)
        fillSpan(y + row.dy, x0 + row.dx0, x1 + row.dx1, pixel);
}

void Surface::FillRect(const Rect& rect, quint32 color) {
    const Rect r = ClampRect(rect);
    const QRgb p = ToRgb(color);
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height()); ++y) {
        fillSpan(y, r.left, r.right, p);
    }
}

void Surface::FrameRect(const Rect& rect, quint32 color) {
    const Rect r = ClampRect(rect);
    if (r.isEmpty()) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, color);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillRect({r.left, r.top, r.left + 1, r.bottom}, color);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, color);
}

void Surface::DrawFocusRect(const Rect& rect) {
    const Rect r = ClampRect(rect);
    if (r.isEmpty()) return;
    // Every other pixel of the frame is inverted, so a second call removes the rectangle.
    auto invert = [this](int x, int y) {
        if (!m_image.valid(x, y) || (x + y) % 2 != 0) return;
        reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] ^= 0xFFFFFF;
    };
    const int x0 = std::max(r.left, -1);
    const int x1 = std::min(r.right, width() + 1);
    for (int x = x0; x < x1; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 != r.top) invert(x, r.bottom - 1);
    }
    const int y0 = std::max(r.top + 1, -1);
    const int y1 = std::min(r.bottom - 1, height() + 1);
    for (int y = y0; y < y1; ++y) {
        invert(r.left, y);
        if (r.right - 1 != r.left) invert(r.right - 1, y);
    }
}

void Surface::FillRgn(const Region& region, quint32 color) {
    const QRgb p = ToRgb(color);
    const QRegion visible = region.toQRegion().intersected(QRect(QPoint(0, 0), size()));
    for (const QRect& r : visible) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            fillSpan(y, r.left(), r.right() + 1, p);
    }
}

void Surface::drawShape(const Rect& box, int ellipseWidth, int ellipseHeight) {
    const bool hasPen = m_pen.style != PS_NULL;
    if (m_brush.style != BS_NULL) {
        // Without an outline the system leaves the right column and the bottom row unfilled.
        const Rect fill = hasPen ? box : Rect{box.left, box.top, box.right - 1, box.bottom - 1};
        for (int y = std::max(fill.top, 0); y < std::min(fill.bottom, height()); ++y) {
            const Span s = RoundRectRow(fill, ellipseWidth, ellipseHeight, y);
            fillBrushSpan(y, s.x0, s.x1);
        }
    }
    if (!hasPen) return;
    // The outline is the shape's edge pixels: those with a neighbour above, below, left or
    // right outside the shape. Wide pens are centred on them.
    const int w = penWidthOf(m_pen);
    const PenTip tip = RoundPenTip(w);
    const QRgb p = ToRgb(m_pen.color);
    const int y0 = std::max(box.top, -w);
    const int y1 = std::min(box.bottom, height() + w);
    for (int y = y0; y < y1; ++y) {
        const Span s = RoundRectRow(box, ellipseWidth, ellipseHeight, y);
        if (s.isEmpty()) continue;
        const Span up = RoundRectRow(box, ellipseWidth, ellipseHeight, y - 1);
        const Span down = RoundRectRow(box, ellipseWidth, ellipseHeight, y + 1);
        int in0 = s.x1;
        int in1 = s.x1;
        if (!up.isEmpty() && !down.isEmpty()) {
            in0 = std::max({s.x0 + 1, up.x0, down.x0});
            in1 = std::min({s.x1 - 1, up.x1, down.x1});
        }
        if (in0 >= in1) {
            stampRun(y, s.x0, s.x1, tip, p);
        } else {
            stampRun(y, s.x0, in0, tip, p);
            stampRun(y, in1, s.x1, tip, p);
        }
    }
}

void Surface::Rectangle(int left, int top, int right, int bottom) {
    const Rect box = ShapeBox(left, top, right, bottom);
    if (m_pen.style == PS_SOLID || m_pen.style == PS_NULL || m_pen.width > 1) {
        drawShape(box, 0, 0);
        return;
    }
    // A dashed outline follows the path round the box so its pattern runs on.
    const Pen pen = SelectPen(Pen{PS_NULL, 1, 0});
    drawShape({box.left, box.top, box.right + 1, box.bottom + 1}, 0, 0);
    SelectPen(pen);
    if (box.isEmpty()) return;
    const QPoint corners[] = {{box.left, box.top},
                              {box.right - 1, box.top},
                              {box.right - 1, box.bottom - 1},
                              {box.left, box.bottom - 1}};
    for (int i = 0; i < 4; ++i)
        drawLine(corners[i], corners[(i + 1) % 4]);
}

void Surface::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    drawShape(ShapeBox(left, top, right, bottom), ellipseWidth, ellipseHeight);
}

void Surface::Ellipse(int left, int top, int right, int bottom) {
    const Rect box = ShapeBox(left, top, right, bottom);
    drawShape(box, box.right - box.left, box.bottom - box.top);
}

void Surface::Polygon(const QList<QPoint>& points) {
    if (points.size() < 2) return;
    QList<QPoint> pts;
    for (const QPoint& p : points)
        pts.append(ClampPoint(p));
    if (m_brush.style != BS_NULL) {
        for (int y = 0; y < height(); ++y) {
            for (const Span& s : PolygonRow(pts, ALTERNATE, y))
                fillBrushSpan(y, s.x0, s.x1);
        }
    }
    // The closing edge ends where the first began, so every corner gets drawn.
    for (qsizetype i = 0; i < pts.size(); ++i)
        drawLine(pts[i], pts[(i + 1) % pts.size()]);
}

void Surface::LineTo(int x, int y) {
    drawLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
}

void Surface::Polyline(const QList<QPoint>& points) {
    for (qsizetype i = 0; i + 1 < points.size(); ++i)
        drawLine(points[i], points[i + 1]);
}

void Surface::drawLine(QPoint from, QPoint to) {
    if (m_pen.style == PS_NULL) return;
    const QPoint a = ClampPoint(from);
    const QPoint b = ClampPoint(to);
    const int w = penWidthOf(m_pen);
    const qint64 dx = qint64(b.x()) - a.x();
    const qint64 dy = qint64(b.y()) - a.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const qint64 major = xMajor ? std::abs(dx) : std::abs(dy);
    const qint64 minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const qint64 majorStart = xMajor ? a.x() : a.y();
    const qint64 minorStart = xMajor ? a.y() : a.x();
    const qint64 limit = xMajor ? width() : height();
    // A 1-pixel pen leaves out the end point; a wide pen has a round cap there.
    const qint64 last = w == 1 ? major - 1 : major;
    // Only the steps whose major coordinate can touch the image are walked.
    qint64 first = 0;
    qint64 stop = last;
    if (majorStep > 0) {
        first = std::max<qint64>(first, -w - majorStart);
        stop = std::min<qint64>(stop, limit + w - majorStart);
    } else {
        first = std::max<qint64>(first, majorStart - limit - w);
        stop = std::min<qint64>(stop, majorStart + w);
    }
    // A wide pen stamps its round tip at every step; a 1-pixel one may be dashed.
    const PenTip tip = w > 1 ? RoundPenTip(w) : PenTip{};
    const QList<int> pattern = w == 1 ? DashPattern(m_pen.style) : QList<int>{};
    const QRgb on = ToRgb(m_pen.color);
    const QRgb off = ToRgb(m_bkColor);
    for (qint64 i = first; i <= stop; ++i) {
        const qint64 m = majorStart + majorStep * i;
        const qint64 n = major == 0
                             ? minorStart
                             : minorStart + minorStep * ((2 * i * minor + major) / (2 * major));
        const int x = int(xMajor ? m : n);
        const int y = int(xMajor ? n : m);
        if (w > 1) {
            stampRun(y, x, x + 1, tip, on);
        } else if (DashOn(pattern, i)) {
            fillSpan(y, x, x + 1, on);
        } else if (m_bkMode == OPAQUE) {
            fillSpan(y, x, x + 1, off);  // gaps of a styled pen show the background
        }
    }
}

bool Surface::BitBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, quint32 rop) {
    return StretchBlt(x, y, w, h, src, sx, sy, w, h, rop);
}

bool Surface::StretchBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw,
                         int sh, quint32 rop) {
    quint32 probe = 0;
    if (!ApplyRop(rop, 0, 0, &probe)) return false;
    return Blit(m_image, src, QImage::Format_RGB32, {x, y, w, h, sx, sy, sw, sh},
                [rop](QRgb s, QRgb& d) {
                    quint32 r = 0;
                    ApplyRop(rop, s & 0xFFFFFF, d & 0xFFFFFF, &r);
                    d = 0xFF000000u | r;
                });
}

bool Surface::TransparentBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw,
                             int sh, quint32 transparentColor) {
    const QRgb key = ToRgb(transparentColor) & 0xFFFFFF;
    return Blit(m_image, src, QImage::Format_RGB32, {x, y, w, h, sx, sy, sw, sh},
                [key](QRgb s, QRgb& d) {
                    if ((s & 0xFFFFFF) != key) d = 0xFF000000u | s;
                });
}

bool Surface::DrawIconEx(int x, int y, const QImage& icon, int w, int h) {
    if (icon.isNull()) return false;
    if (w == 0) w = icon.width();
    if (h == 0) h = icon.height();
    return Blit(m_image, icon, QImage::Format_ARGB32,
                {x, y, w, h, 0, 0, icon.width(), icon.height()},
                [](QRgb s, QRgb& d) { d = Colors::AlphaBlend(s, d, qAlpha(s)); });
}

int Surface::LineHeight() const {
    return QFontMetrics(m_font, &m_image).height();
}

QSize Surface::GetTextExtentPoint32(const QString& text) const {
    const QFontMetrics fm(m_font, &m_image);
    return {fm.horizontalAdvance(text), fm.height()};
}

int Surface::TextWidth(const QString& text) const {
    const QFontMetrics fm(m_font, &m_image);
    int widest = 0;
    for (const auto& line : SplitLines(text))
        widest = std::max(widest, fm.horizontalAdvance(line.text));
    return widest;
}

int Surface::TextHeight(const QString& text) const {
    return int(SplitLines(text).size()) * LineHeight();
}

void Surface::drawTextLine(int x, int y, const PrefixedText& line, const QRect* clip) {
    if (m_image.isNull() || line.text.isEmpty()) return;
    const QFontMetrics fm(m_font, &m_image);
    const QColor color = ToQColor(m_textColor);
    QPainter painter(&m_image);
    if (clip) painter.setClipRect(*clip);
    if (m_bkMode == OPAQUE) {
        painter.fillRect(QRect(x, y, fm.horizontalAdvance(line.text), fm.height()),
                         ToQColor(m_bkColor));
    }
    painter.setFont(m_font);
    painter.setPen(color);
    painter.drawText(QPoint(x, y + fm.ascent()), line.text);
    // Prefix underlines sit just below the baseline, inside the cell.
    const int uy = std::min(y + fm.ascent() + std::max(1, fm.underlinePos()), y + fm.height() - 1);
    for (int index : line.underlined) {
        if (index < 0 || index >= line.text.size()) continue;
        const int ux = x + fm.horizontalAdvance(line.text.left(index));
        painter.fillRect(QRect(ux, uy, fm.horizontalAdvance(line.text.at(index)), 1), color);
    }
}

bool Surface::TextOut(int x, int y, const QString& text) {
    drawTextLine(x, y, {text, {}}, nullptr);
    return true;
}

bool Surface::DrawState(const QString& text, int x, int y, unsigned flags) {
    if ((flags & 0x000F) != DST_TEXT) return false;
    const int mode = std::exchange(m_bkMode, TRANSPARENT);
    const quint32 color = m_textColor;
    if (flags & DSS_DISABLED) {
        m_textColor = Colors::kButtonHighlight;
        TextOut(x + 1, y + 1, text);
        m_textColor = Colors::kButtonShadow;
    }
    TextOut(x, y, text);
    m_textColor = color;
    m_bkMode = mode;
    return true;
}

int Surface::DrawText(const QString& text, Rect* rectPtr, unsigned format) {
    if (!rectPtr) return 0;
    Rect& rect = *rectPtr;
    const QFontMetrics fm(m_font, &m_image);
    const int lineHeight = fm.height();
    if (text.isEmpty()) {
        if (format & DT_CALCRECT) {
            rect.right = rect.left;
            rect.bottom = (format & DT_SINGLELINE) ? rect.top + lineHeight : rect.top;
        }
        return lineHeight;
    }
    const PrefixedText all = (format & DT_NOPREFIX) ? PrefixedText{text, {}} : StripPrefixes(text);
    auto measure = [&fm](const QString& s) { return fm.horizontalAdvance(s); };
    const qint64 width = qint64(rect.right) - rect.left;
    const QList<PrefixedText> lines = LayoutText(all, format, width, measure);
    const int total = int(std::min<qint64>(qint64(lines.size()) * lineHeight, INT_MAX));

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const auto& line : lines)
            widest = std::max(widest, measure(line.text));
        rect.right = ClampCoord(qint64(rect.left) + widest);
        rect.bottom = ClampCoord(qint64(rect.top) + total);
        return total;
    }

    // Vertical placement applies to single lines only, as with the system's DrawText.
    qint64 y = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) {
            y = rect.top + (qint64(rect.bottom) - rect.top - lineHeight) / 2;
        } else if (format & DT_BOTTOM) {
            y = qint64(rect.bottom) - lineHeight;
        }
    }
    const int result = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))
                           ? ClampCoord(y - rect.top + lineHeight)
                           : total;
    const Rect box = ClampRect(rect);
    const QRect clip = box.toQRect();
    if (!(format & DT_NOCLIP) && box.isEmpty()) return result;
    for (const auto& line : lines) {
        const qint64 lw = measure(line.text);
        qint64 x = box.left;
        if (format & DT_CENTER) {
            x = box.left + (qint64(box.right) - box.left - lw) / 2;
        } else if (format & DT_RIGHT) {
            x = box.right - lw;
        }
        drawTextLine(ClampCoord(x), ClampCoord(y), line, (format & DT_NOCLIP) ? nullptr : &clip);
        y += lineHeight;
        if (y > height() + qint64(kCoordLimit)) break;
    }
    return result;
}

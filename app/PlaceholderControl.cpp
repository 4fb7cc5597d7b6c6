#include "PlaceholderControl.h"

#include "PropertyBag.h"

void PlaceholderControl::ReadProperties(const PropertyBag& bag) {
    m_caption = bag.Read<QString>(QStringLiteral("Caption"), QString());
    m_backColor = bag.Read<quint32>(QStringLiteral("BackColor"), m_backColor);
}

void PlaceholderControl::Redraw() {
    Surface& s = surface();
    const Gdi::Rect all{0, 0, width(), height()};
    s.FillRect(all, Colors::TranslateColor(m_backColor));
    s.FrameRect(all, Colors::TranslateColor(Colors::kButtonShadow));
    s.SetTextColor(Colors::TranslateColor(Colors::kWindowText));
    s.SetBkMode(Gdi::TRANSPARENT);
    s.SelectFont(Ambient().Font);
    s.TextOut(4, 2, m_caption);
}

#include "ClassicPen.h"

#include "PrintTarget.h"

void ClassicPen::DrawRun(const QString& text, int x, int y, quint32 color) {
    m_picture.SetCurrentX(x);
    m_picture.SetCurrentY(y);
    m_picture.SetForeColor(color);
    m_picture.Print(text, false);
}

float ClassicPen::MeasureText(const QString& text) const {
    return float(m_picture.TextWidth(text));
}

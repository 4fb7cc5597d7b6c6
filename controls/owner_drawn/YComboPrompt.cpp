#include "YComboPrompt.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ColorDrawing.h"
#include "Colors.h"
#include "PaintCycle.h"
#include "Surface.h"
#include "YComboGeometry.h"

namespace {

constexpr int kTextInset = 4;
constexpr int kLineGap = 2;

}  // namespace

YComboPrompt::YComboPrompt(QWidget* list) : QWidget(list), m_list(list) {
    setObjectName(QStringLiteral("picPrompt"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Colors::ToQColor(kBackColor));
    setPalette(palette);
    hide();
}

void YComboPrompt::SetLook(const QFont& font, quint32 textColor) {
    m_font = font;
    m_textColor = textColor;
}

int YComboPrompt::TextWidth(const QString& text) const {
    Surface measure;
    measure.SelectFont(m_font);
    return measure.TextWidth(PaintCycle::AnsiText(text));
}

int YComboPrompt::TextHeight() const {
    Surface measure;
    measure.SelectFont(m_font);
    return measure.LineHeight();
}

void YComboPrompt::ShowText(const QString& text, QPoint screenPoint) {
    const auto layout = YComboGeometry::LayoutPrompt(
        text, TextHeight(), [this](const QString& s) { return TextWidth(s); });
    m_lines = layout.lines;
    QSize screen(1024, 768);
    int taskBar = 0;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        screen = s->geometry().size();
        // The task bar is taken to sit at the bottom of the screen.
        taskBar = qMax(0, s->geometry().bottom() - s->availableGeometry().bottom());
    }
    const QPoint at = YComboGeometry::KeepOnScreen(screenPoint, layout.size, screen, taskBar);
    setParent(m_list, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setGeometry(QRect(at, layout.size));
    show();
    update();
}

void YComboPrompt::HidePrompt() {
    if (isWindow()) setParent(m_list, Qt::Widget);
    hide();
}

QImage YComboPrompt::Picture() const {
    Surface dc(size().expandedTo(QSize(1, 1)));
    dc.SelectFont(m_font);
    dc.SetTextColor(m_textColor);
    dc.SetBkMode(Gdi::TRANSPARENT);
    ColorDrawing::FillRectColor(&dc, {0, 0, width(), height()}, kFillColor);
    ColorDrawing::FrameRectColor(&dc, {0, 0, width(), height()}, 0);
    const int th = dc.LineHeight();
    for (int i = 0; i < m_lines.size(); ++i)
        dc.TextOut(kTextInset, kTextInset + i * (th + kLineGap), PaintCycle::AnsiText(m_lines[i]));
    return dc.image();
}

void YComboPrompt::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

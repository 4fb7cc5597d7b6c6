#include "Label.h"

#include <QPalette>

#include "Colors.h"

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackStyle(BackStyle::Transparent);
}

void Label::SetCaption(const QString& caption) {
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

void Label::SetAlignment(Align alignment) {
    m_alignment = alignment;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == Align::Right) horizontal = Qt::AlignRight;
    if (alignment == Align::Center) horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetForeColor(quint32 color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Colors::ToQColor(color));
    setPalette(palette);
}

void Label::SetBackStyle(BackStyle style) {
    const bool transparent = style == BackStyle::Transparent;
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    setAutoFillBackground(!transparent);
}

#include "Label.h"

#include <QPalette>

#include "Colors.h"

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTransparent(true);
}

void Label::SetCaption(const QString& caption) {
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

void Label::SetAlignment(int alignment) {
    m_alignment = alignment;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == 1) horizontal = Qt::AlignRight;
    if (alignment == 2) horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetForeColor(quint32 colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Colors::ToQColor(colour));
    setPalette(palette);
}

void Label::SetTransparent(bool transparent) {
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    setAutoFillBackground(!transparent);
}

#include "Label.h"

#include <QPalette>

#include "Colors.h"
#include "PropertyBag.h"
#include "WidgetProperties.h"

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // A caption wider than the label breaks into lines at its width.
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackStyle(BackStyle::Transparent);
}

void Label::ReadProperties(const PropertyBag& bag) {
    WidgetProperties::ReadCommon(this, bag, QPalette::WindowText, QPalette::Window);
    const int alignment = bag.Read<int>(QStringLiteral("Alignment"), int(Align::Left));
    SetAlignment(alignment == int(Align::Right)    ? Align::Right
                 : alignment == int(Align::Center) ? Align::Center
                                                   : Align::Left);
    const int backStyle = bag.Read<int>(QStringLiteral("BackStyle"), 0);
    SetBackStyle(backStyle == 1 ? BackStyle::Opaque : BackStyle::Transparent);
    SetCaption(bag.Read<QString>(QStringLiteral("Caption"), QString()));
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

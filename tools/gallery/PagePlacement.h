#pragma once

#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

#include "PropertyBag.h"
#include "UserControl.h"

// Places a control on a gallery page at a pixel rectangle and loads it from stored
// properties in the window data's text form, as the main window loads its controls.
template <typename Control>
Control* PlaceControl(QWidget* page, const QString& name, const QRect& rect,
                      const QString& stored) {
    auto* control = new Control(page);
    control->SetName(name);
    control->move(rect.topLeft());
    control->SetSizeTwips(Units::PixelsToTwips(rect.width()), Units::PixelsToTwips(rect.height()));
    control->Load(PropertyBag::FromText(stored));
    return control;
}

// A small caption under or beside a sample.
inline QLabel* PlaceNote(QWidget* page, const QString& text, QPoint at) {
    auto* label = new QLabel(text, page);
    label->move(at);
    label->adjustSize();
    return label;
}

// A page of the gallery: a plain surface in the window's button-face colour.
QWidget* NewPage(QSize size);

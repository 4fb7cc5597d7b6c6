#pragma once

#include <QPalette>

class PropertyBag;
class QWidget;

// The stored properties every plain window control shares: "Font", "ForeColor", "BackColor"
// (colour values or system colours) and "Enabled". Keys that are absent leave the widget as it
// is.
namespace WidgetProperties {

void ReadCommon(QWidget* widget, const PropertyBag& bag, QPalette::ColorRole foreRole,
                QPalette::ColorRole backRole);

}  // namespace WidgetProperties

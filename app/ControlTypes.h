#pragma once

#include <QString>

#include "UserControl.h"

class PropertyBag;
class QWidget;

// The kinds of control a stored window may hold, by the type name of their stored block: how
// to create one and how it reads its stored properties.
struct ControlType {
    const char* name;
    QWidget* (*create)(QWidget* parent);
    // Reads the stored properties into a control of this type, already named and placed.
    void (*load)(QWidget* control, const PropertyBag& bag,
                 const UserControl::AmbientProperties& ambient);
};

// The type of the given name, or null for a name no control has.
const ControlType* FindControlType(const QString& name);

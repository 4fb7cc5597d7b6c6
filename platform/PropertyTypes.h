#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QVariant>

// The value types a property bag knows. Conversion, formatting and parsing look the type up in
// one table (see PropertyTypes.cpp) that gives, for each type, how a value reduces to a scalar,
// how a scalar converts to the type, and how the type is written and read in the text form.
namespace PropertyTypes {

// Converts value to type without loss; false when that is not possible.
bool Convert(const QVariant& value, QMetaType type, QVariant* out);
// Whether value holds nothing worth storing (a null picture).
bool IsEmpty(const QVariant& value);

// "type payload"; false for a value the text form cannot hold.
bool Format(const QVariant& value, QString* text);
// Reads "type payload"; false for an unknown type or a malformed payload.
bool Parse(QStringView text, QVariant* value);

}  // namespace PropertyTypes

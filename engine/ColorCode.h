#pragma once

#include <QString>
#include <optional>

// Reading the colour code of an AUTOCOLOR= or SCOLOR= tag.
namespace ColorCode {

// The leading numeric value: spaces skipped, then an optional sign, decimal digits (spaces
// between them skipped) and an optional fraction; any other character ends the number; no
// number at all gives 0.
double LeadingValue(const QString& digits);

// The palette index the code names: the whole code must be a number (optional sign, digits,
// optional fraction, rounded half to even) from 0 to 255. Anything else gives nothing.
std::optional<int> PaletteIndex(const QString& digits);

}  // namespace ColorCode

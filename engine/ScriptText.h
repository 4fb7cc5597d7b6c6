#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <vector>

// Text helpers shared by the engines.
namespace ScriptText {

// Splits at every CR LF pair; a lone CR or LF stays inside its line. An empty text has no lines;
// a text ending in CR LF has a last, empty line. The views point into text.
std::vector<QStringView> SplitLines(QStringView text);

// Removes leading and trailing U+0020 only; tabs and full-width spaces stay.
QStringView TrimSpaces(QStringView line);

// True when text in upper case equals upper, which is upper-case ASCII. Compares character by
// character, so no copy is made; a character whose upper case is longer than one character
// (such as "ß") never matches, as the upper-cased text would then be longer.
bool UpperEquals(QStringView text, QLatin1String upper);

// UpperEquals on the first upper.size() characters of text.
bool UpperStartsWith(QStringView text, QLatin1String upper);

// A one-character string, shared: the engines print character by character, and this spares
// an allocation for each.
const QString& CharText(QChar ch);

}  // namespace ScriptText

#pragma once

#include <QString>
#include <vector>

// Text helpers shared by the engines.
namespace ScriptText {

// Splits at every CR LF pair; a lone CR or LF stays inside its line. An empty text has no lines;
// a text ending in CR LF has a last, empty line.
std::vector<QString> SplitLines(const QString& text);

// Removes leading and trailing U+0020 only; tabs and full-width spaces stay.
QString TrimSpaces(const QString& line);

}  // namespace ScriptText

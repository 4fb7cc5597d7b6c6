#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Splits text into lines no wider than width pixels, as measure gives a string's width: CR LF
// ends a line (which may be empty), a character that makes a line too wide starts the next one,
// and one that fills the width exactly ends its line. Every line keeps at least one character,
// so a width below one character gives a character a line.
QStringList BreakLines(const QString& text, int width,
                       const std::function<int(const QString&)>& measure);

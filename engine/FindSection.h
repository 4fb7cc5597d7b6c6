#pragma once

#include <QString>
#include <QStringList>

// The text of the section labelled exactly name ("[@name]", case and all), from its label up
// to the next "[" of the script; with an empty name, the first section. Empty when there is none.
QString FindSection(const QString& text, const QString& name);

// The first of names, in their order, that FindSection finds in text, and its section text:
// the same result as calling FindSection for each name in turn, in one pass over the text.
// Returns -1 and an empty text when none is found.
std::pair<int, QString> FindFirstSection(const QString& text, const QStringList& names);

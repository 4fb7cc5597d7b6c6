#pragma once

#include <QByteArray>
#include <QString>

// The system's ANSI code page: GBK, as on the target systems. Files and text handed to the
// byte-oriented text functions are in it; everything else is UTF-16.
namespace CodePage {

// GBK bytes to text. A lead byte cut off at the end of the input becomes "?" rather than
// vanishing, so no byte of a file is silently dropped.
QString ToUnicode(const QByteArray& bytes);

// Text to GBK bytes; a character GBK lacks becomes "?".
QByteArray FromUnicode(const QString& text);

}  // namespace CodePage

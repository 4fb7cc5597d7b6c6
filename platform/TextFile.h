#pragma once

#include <QString>
#include <optional>

// Whole-file text I/O in the system's ANSI code page.
namespace TextFile {

// Reads every byte of the file and converts it to text; nothing when the file cannot be read.
std::optional<QString> ReadAnsi(const QString& path);

// Reads a document the user chose to open: a regular file only (a pipe or device would block
// or never end). A file that does not exist is created empty and reads as empty text, since
// the open dialog only returns such a name once the user agreed to create it.
std::optional<QString> OpenAnsiDocument(const QString& path);

// Replaces the file's content with the text in the ANSI code page followed by CR LF. The old
// content survives any failure (see SafeSave).
bool WriteAnsiLine(const QString& path, const QString& text);

}  // namespace TextFile

#pragma once

#include <QString>
#include <optional>

// Whole-file text I/O in the system's ANSI code page.
namespace TextFile {

// Reads every byte of the file and converts it to text; nothing when the file cannot be read.
std::optional<QString> ReadAnsi(const QString& path);

// Replaces the file's content with the text in the ANSI code page followed by CR LF.
bool WriteAnsiLine(const QString& path, const QString& text);

}  // namespace TextFile

#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content without ever losing the old content: the new bytes go to a
// temporary file in the same folder, which takes the target's place only once every byte is
// written and on disk. On failure the target is untouched and the temporary file is gone.
//
// A save through a symbolic link replaces the file the link points to and keeps the link. An
// existing file keeps its permission bits and, where allowed, its owner and group; a new one
// gets the usual permissions for a new file. Only a regular file is replaced: a folder, device
// or pipe at the path fails the save, and so does a file the saver has no write permission for.
namespace SafeSave {

bool ReplaceContent(const QString& path, const QByteArray& bytes);

}  // namespace SafeSave

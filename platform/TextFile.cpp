#include "TextFile.h"

#include <QFile>
#include <QFileInfo>

#include "CodePage.h"
#include "SafeSave.h"

namespace TextFile {

std::optional<QString> ReadAnsi(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return CodePage::ToUnicode(bytes);
}

std::optional<QString> OpenAnsiDocument(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    const QFileInfo info(path);
    if (info.isFile()) return ReadAnsi(path);
    // Not a dangling link or anything else that exists: only a free name is created.
    if (info.exists() || info.isSymLink()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return std::nullopt;
    return QString();
}

bool WriteAnsiLine(const QString& path, const QString& text) {
    return SafeSave::ReplaceContent(path, CodePage::FromUnicode(text) + QByteArrayLiteral("\r\n"));
}

}  // namespace TextFile

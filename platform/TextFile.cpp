#include "TextFile.h"

#include <QFile>

#include "CodePage.h"

namespace TextFile {

std::optional<QString> ReadAnsi(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return CodePage::ToUnicode(bytes);
}

bool WriteAnsiLine(const QString& path, const QString& text) {
    if (path.isEmpty()) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = CodePage::FromUnicode(text) + QByteArrayLiteral("\r\n");
    if (file.write(bytes) != bytes.size()) return false;
    return file.flush();
}

}  // namespace TextFile

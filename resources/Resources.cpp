#include "Resources.h"

#include <QFile>

namespace Resources {

QString SampleText(const QString& name) {
    QFile file(QStringLiteral(":/samples/") + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    // Samples are stored as UTF-8 with LF line ends; editors hold CR LF.
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);  // the file's own final line break
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString StoredFormText(const QString& name) {
    QFile file(QStringLiteral(":/") + name + QStringLiteral(".form"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace Resources

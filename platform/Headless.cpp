#include "Headless.h"

#include <QDir>
#include <QFile>

void PrepareHeadless() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("LANG")) qputenv("LANG", "C.UTF-8");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/veltrane-runtime");
        QDir().mkpath(dir);
        QFile::setPermissions(
            dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
    }
}

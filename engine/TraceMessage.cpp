#include "TraceMessage.h"

Q_LOGGING_CATEGORY(lcEngineTrace, "veltrane.engine.trace", QtWarningMsg)

void TraceMessage(const QString& text) {
    qCDebug(lcEngineTrace).noquote() << text;
}

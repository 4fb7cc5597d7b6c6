#pragma once

#include <QLoggingCategory>
#include <QString>

// The engines' diagnostic sink. Trace texts go to the "veltrane.engine.trace" logging category,
// which is off by default (enable it with QT_LOGGING_RULES="veltrane.engine.trace=true").
Q_DECLARE_LOGGING_CATEGORY(lcEngineTrace)

// True when traces are wanted; callers check it before composing a trace text.
inline bool TraceEnabled() {
    return lcEngineTrace().isDebugEnabled();
}

void TraceMessage(const QString& text);

#pragma once

#include <QStringList>

#include "MessageSink.h"

class RecordingMessages : public MessageSink {
public:
    QStringList messages;
    void ShowMessage(const QString& text) override { messages.append(text); }
};

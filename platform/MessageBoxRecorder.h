#pragma once

#include <QList>

#include "MessageBox.h"

// Records every message box shown while it lives, instead of showing it. Optionally forwards
// each one to a callback as it arrives (the headless renderer prints them in event order).
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(MessageBox::Handler onMessage = {});
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const QList<MessageBox::Record>& records() const { return m_records; }
    QStringList texts() const;
    void clear() { m_records.clear(); }

private:
    QList<MessageBox::Record> m_records;
    MessageBox::Handler m_onMessage;
    MessageBox::Handler m_previous;
};

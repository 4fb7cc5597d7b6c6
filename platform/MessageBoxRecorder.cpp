#include "MessageBoxRecorder.h"

#include <QStringList>

MessageBoxRecorder::MessageBoxRecorder(MessageBox::Handler onMessage)
    : m_onMessage(std::move(onMessage)) {
    m_previous = MessageBox::SetHandler([this](const MessageBox::Record& record) {
        m_records.append(record);
        if (m_onMessage) m_onMessage(record);
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    MessageBox::SetHandler(std::move(m_previous));
}

QStringList MessageBoxRecorder::texts() const {
    QStringList result;
    for (const auto& record : m_records)
        result.append(record.text);
    return result;
}

#include "FileDialogStub.h"

#include "Clock.h"

FileDialogStub::FileDialogStub(QStringList answers, qint64 msPerAnswer)
    : m_answers(std::move(answers)), m_msPerAnswer(msPerAnswer) {
    m_previous = FileDialog::SetHandler([this](const FileDialog::Request& request) {
        m_requests.append(request);
        Clock::Advance(m_msPerAnswer);
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    });
}

FileDialogStub::~FileDialogStub() {
    FileDialog::SetHandler(std::move(m_previous));
}

#pragma once

#include <QList>
#include <QStringList>

#include "FileDialog.h"

// Stands in for the file dialog while it lives: records every request and answers with the
// given paths in turn ("" once they run out, as if cancelled). Each answer takes msPerAnswer of
// manual clock time, as a person would; 0 makes every dialog look as if it was never shown.
// Use it on manual time (Clock::UseManualTime): on real time the answer comes back at once, so
// every dialog is shown twice and takes two answers.
class FileDialogStub {
public:
    explicit FileDialogStub(QStringList answers = {}, qint64 msPerAnswer = 1000);
    ~FileDialogStub();
    FileDialogStub(const FileDialogStub&) = delete;
    FileDialogStub& operator=(const FileDialogStub&) = delete;

    const QList<FileDialog::Request>& requests() const { return m_requests; }

private:
    QStringList m_answers;
    qint64 m_msPerAnswer;
    QList<FileDialog::Request> m_requests;
    FileDialog::Handler m_previous;
};

#pragma once

#include <QString>

// Where the engines send the messages meant for the user: a modal box with an OK button in the
// program, a recorder in tests and in the headless renderer.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const QString& text) = 0;
};

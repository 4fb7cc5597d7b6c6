#pragma once

#include "MessageBox.h"
#include "MessageSink.h"

// Sends the engines' messages to the platform's message box.
class MessageBoxSink : public MessageSink {
public:
    void ShowMessage(const QString& text) override { MessageBox::Show(text); }
};

#pragma once

#include <QString>
#include <functional>

// The platform's modal message box: an OK button, an optional icon, the application's title as
// caption. Tests and the headless renderer install a handler instead, so nothing ever waits.
class MessageBox {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    struct Record {
        QString text;
        QString caption;
        Icon icon = Icon::None;
    };
    using Handler = std::function<void(const Record&)>;

    // The caption every message box of the program carries.
    static QString AppTitle();

    // Shows the box and returns when the user closes it (or hands it to the installed handler).
    static void Show(const QString& text, Icon icon = Icon::None, const QString& caption = {});

    // Replaces the modal box with a handler; an empty handler restores the modal box. Returns the
    // handler that was installed before.
    static Handler SetHandler(Handler handler);
};

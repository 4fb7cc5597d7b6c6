#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The open and save file dialogs behind one call. Tests and the headless tools install a handler
// instead, so nothing ever waits for a person.
class FileDialog {
public:
    // What a dialog is asked to show. The owner window is accepted and not used: the dialog is
    // a top-level window of its own.
    struct Request {
        QWidget* owner = nullptr;
        bool save = false;
        QString title;
        // Description and pattern pairs separated by "|", e.g. "Text (*.txt)|*.txt".
        QString filter;
        QString initialName;
        QString defaultExtension;
        QString initialDirectory;
    };
    // Stands in for the dialog: gets the request and returns the chosen path, or "" to cancel.
    using Handler = std::function<QString(const Request&)>;

    // The longest initial file name a dialog accepts, in UTF-16 code units.
    static constexpr qsizetype kMaxInitialName = 130;
    // A dialog that returns faster than this was never seen: it is shown again without the
    // initial name.
    static constexpr quint32 kMinShownMs = 20;

    // Runs the dialog and returns the chosen path, or the empty string when the user cancels or
    // the initial name is too long (which is reported in a message box).
    static QString Show(QWidget* owner, bool save, const QString& title, const QString& filter,
                        const QString& initialName, const QString& defaultExtension,
                        const QString& initialDirectory);

    // Replaces the dialog with a handler; an empty handler restores the dialog. Returns the
    // handler that was installed before.
    static Handler SetHandler(Handler handler);

    // The "|"-separated filter as the dialog's list of entries ("Description (patterns)"). A
    // lone trailing entry without a pattern is offered as its own pattern.
    static QStringList FilterEntries(const QString& filter);
};

#pragma once

#include <QString>
#include <QStringList>

// The command line of veltrane-render.
struct RenderOptions {
    enum class Pane { Classic, Large, Dragon, TaskLog, TaskDesc, Notice, Title };

    Pane pane = Pane::Classic;
    QString file;
    int select = -1;  // row of the section list to click, or -1
    int follow = 0;   // clicks on the link list
    QString png;      // where to write the preview picture, or empty

    static QString Usage();
    // Fills options from the arguments (program name excluded); false with a message if bad.
    static bool Parse(const QStringList& arguments, RenderOptions* options, QString* error);
};

#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// The arguments of `veltrane-gallery render CONTROL PROPS OUT.png [--size W H] [--do ACTION]...`.
struct RenderArgs {
    QString control;
    QString propsPath;
    QString outPath;
    std::optional<QSize> size;
    QStringList actions;  // each one input, e.g. "press 10 5"

    // Parses the arguments after "render"; false with a message for bad ones.
    static bool Parse(const QStringList& args, RenderArgs* out, QString* error);
    static QString Usage();
};

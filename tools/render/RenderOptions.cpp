#include "RenderOptions.h"

#include <QHash>

namespace {

bool ParseCount(const QString& text, int* value) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 0) return false;
    *value = number;
    return true;
}

}  // namespace

QString RenderOptions::Usage() {
    return QStringLiteral(
        "usage: veltrane-render classic|large|dragon|task-log|task-desc|notice|title FILE "
        "[--select N] [--follow N] [--png OUT.png]");
}

bool RenderOptions::Parse(const QStringList& arguments, RenderOptions* options, QString* error) {
    static const QHash<QString, Pane> panes = {
        {QStringLiteral("classic"), Pane::Classic},    {QStringLiteral("large"), Pane::Large},
        {QStringLiteral("dragon"), Pane::Dragon},      {QStringLiteral("task-log"), Pane::TaskLog},
        {QStringLiteral("task-desc"), Pane::TaskDesc}, {QStringLiteral("notice"), Pane::Notice},
        {QStringLiteral("title"), Pane::Title},
    };
    if (arguments.size() < 2) {
        *error = QStringLiteral("missing PANE or FILE");
        return false;
    }
    if (!panes.contains(arguments[0])) {
        *error = QStringLiteral("unknown pane: ") + arguments[0];
        return false;
    }
    options->pane = panes.value(arguments[0]);
    options->file = arguments[1];
    for (qsizetype i = 2; i < arguments.size(); i += 2) {
        const QString& flag = arguments[i];
        if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("missing value for ") + flag;
            return false;
        }
        const QString& value = arguments[i + 1];
        const bool known = flag == QLatin1String("--select") || flag == QLatin1String("--follow") ||
                           flag == QLatin1String("--png");
        if (!known) {
            *error = QStringLiteral("unknown option: ") + flag;
            return false;
        }
        bool ok = true;
        if (flag == QLatin1String("--select")) ok = ParseCount(value, &options->select);
        if (flag == QLatin1String("--follow")) ok = ParseCount(value, &options->follow);
        if (flag == QLatin1String("--png")) options->png = value;
        if (!ok) {
            *error = QStringLiteral("bad number for ") + flag + QStringLiteral(": ") + value;
            return false;
        }
    }
    const bool hasList = options->pane == Pane::Classic || options->pane == Pane::Large;
    if (options->select >= 0 && !hasList) {
        *error = QStringLiteral("--select needs the classic or large pane");
        return false;
    }
    if (options->follow > 0 && options->pane != Pane::Dragon) {
        *error = QStringLiteral("--follow needs the dragon pane");
        return false;
    }
    return true;
}

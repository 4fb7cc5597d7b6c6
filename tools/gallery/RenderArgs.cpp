#include "RenderArgs.h"

#include "InputDriver.h"

namespace {

bool ParseInt(const QString& text, int* out) {
    bool ok = false;
    *out = text.toInt(&ok);
    return ok;
}

}  // namespace

QString RenderArgs::Usage() {
    return QStringLiteral(
        "usage: veltrane-gallery render CONTROL PROPS OUT.png [--size W H] [--do ACTION]...\n"
        "  ACTION: move X Y | press X Y | release X Y | dblclick X Y | wheel DELTA | leave |\n"
        "          key NAME | wait MS | enable 0|1 | additem TEXT");
}

bool RenderArgs::Parse(const QStringList& args, RenderArgs* out, QString* error) {
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--size")) {
            int w = 0;
            int h = 0;
            if (i + 2 >= args.size() || !ParseInt(args[i + 1], &w) || !ParseInt(args[i + 2], &h) ||
                w < 0 || h < 0) {
                *error = QStringLiteral("--size needs two sizes in pixels");
                return false;
            }
            out->size = QSize(w, h);
            i += 2;
        } else if (arg == QLatin1String("--do")) {
            // "--do press 3 4" or "--do 'press 3 4'".
            QString action = i + 1 < args.size() ? args[i + 1] : QString();
            const int operands = InputDriver::OperandCount(action);
            if (!action.contains(u' ') && operands > 0 && i + 1 + operands < args.size())
                action = QStringList(args.mid(i + 1, operands + 1)).join(u' ');
            if (!InputDriver::IsValid(action)) {
                *error = QStringLiteral("bad --do action: ") + action;
                return false;
            }
            i += action.contains(u' ') && !args[i + 1].contains(u' ') ? operands + 1 : 1;
            out->actions.append(action);
        } else if (arg.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unknown option ") + arg;
            return false;
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 3) {
        *error = QStringLiteral("CONTROL, PROPS and OUT.png are needed");
        return false;
    }
    out->control = positional[0];
    out->propsPath = positional[1];
    out->outPath = positional[2];
    return true;
}

#include "ScriptText.h"

namespace ScriptText {

std::vector<QString> SplitLines(const QString& text) {
    std::vector<QString> lines;
    if (text.isEmpty()) return lines;
    const QStringView view(text);
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = view.indexOf(QLatin1String("\r\n"), start);
        if (end < 0) break;
        lines.emplace_back(view.mid(start, end - start).toString());
        start = end + 2;
    }
    lines.emplace_back(view.mid(start).toString());
    return lines;
}

QString TrimSpaces(const QString& line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == QLatin1Char(' '))
        ++first;
    while (last > first && line[last - 1] == QLatin1Char(' '))
        --last;
    if (first == 0 && last == line.size()) return line;
    return line.mid(first, last - first);
}

}  // namespace ScriptText

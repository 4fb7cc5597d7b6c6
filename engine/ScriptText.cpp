#include "ScriptText.h"

namespace ScriptText {

std::vector<QStringView> SplitLines(QStringView text) {
    std::vector<QStringView> lines;
    if (text.isEmpty()) return lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(QLatin1String("\r\n"), start);
        if (end < 0) break;
        lines.push_back(text.mid(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.mid(start));
    return lines;
}

QStringView TrimSpaces(QStringView line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == QLatin1Char(' '))
        ++first;
    while (last > first && line[last - 1] == QLatin1Char(' '))
        --last;
    return line.mid(first, last - first);
}

bool UpperEquals(QStringView text, QLatin1String upper) {
    return text.size() == upper.size() && UpperStartsWith(text, upper);
}

bool UpperStartsWith(QStringView text, QLatin1String upper) {
    if (text.size() < upper.size()) return false;
    for (qsizetype i = 0; i < upper.size(); ++i) {
        if (text[i].toUpper() != QLatin1Char(upper[i])) return false;
    }
    return true;
}

}  // namespace ScriptText

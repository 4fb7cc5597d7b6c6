#include "ScriptText.h"

#include <array>

namespace ScriptText {

std::vector<QStringView> SplitLines(QStringView text) {
    std::vector<QStringView> lines;
    if (text.isEmpty()) return lines;
    qsizetype start = 0;
    // Searching for the CR alone is the fast single-character scan; a CR without its LF stays
    // in the line.
    for (qsizetype cr = text.indexOf(QLatin1Char('\r')); cr >= 0;
         cr = text.indexOf(QLatin1Char('\r'), cr + 1)) {
        if (cr + 1 >= text.size() || text[cr + 1] != u'\n') continue;
        lines.push_back(text.mid(start, cr - start));
        start = cr + 2;
        ++cr;
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
        const char16_t ch = text[i].unicode();
        // ASCII letters directly; anything else through the full case table.
        const char16_t folded =
            ch < 0x80 ? (ch >= u'a' && ch <= u'z' ? ch - 32 : ch) : text[i].toUpper().unicode();
        if (folded != char16_t(upper.at(i).unicode())) return false;
    }
    return true;
}

const QString& CharText(QChar ch) {
    // Direct-mapped on the low byte; the engines run on the user-interface thread only.
    static std::array<QString, 256> recent;
    QString& slot = recent[ch.unicode() & 0xFF];
    if (slot.size() != 1 || slot[0] != ch) slot = QString(ch);
    return slot;
}

}  // namespace ScriptText

#pragma once

#include <QString>

// Builds a script of the given number of sections, ten lines each, in the style of real NPC
// scripts: condition and action blocks, dialogue with tags, colour codes and links.
inline QString GenerateScript(int sections) {
    QString text;
    for (int i = 0; i < sections; ++i) {
        const QString next = QStringLiteral("s%1").arg((i + 1) % sections);
        text += QStringLiteral("[@s%1]\r\n").arg(i);
        text += QStringLiteral("{\r\n#IF\r\nchecklevelex > %1\r\n#ACT\r\ngive 金创药 1\r\n").arg(i);
        text +=
            QStringLiteral("#SAY\r\n<勇者>，欢迎来到第%1号驿站！<提示/AUTOCOLOR=133>\\\r\n").arg(i);
        text += QStringLiteral("『<下一站/@%1>』  『<回城/@s0>』\\\r\n}\r\n").arg(next);
    }
    return text;
}

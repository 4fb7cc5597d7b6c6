#include "ScriptText.h"

#include <array>

namespace ScriptText {

char16_t UpperCase(char16_t ch) {
    return QChar(ch).toUpper().unicode();
}

const QString& CharText(QChar ch) {
    // Direct-mapped on the low byte; the engines run on the user-interface thread only.
    static std::array<QString, 256> recent;
    QString& slot = recent[ch.unicode() & 0xFF];
    if (slot.size() != 1 || slot[0] != ch) slot = QString(ch);
    return slot;
}

}  // namespace ScriptText

#pragma once

#include <QChar>
#include <QStringView>

// Finds the first occurrence of one character at or after a position, for positions that only
// move forward. It remembers the last hit, so scanning a whole text costs one pass instead of
// one pass per query (a text full of unclosed "<" would otherwise take quadratic time).
class ForwardSearch {
public:
    ForwardSearch(QStringView text, QChar ch) : m_text(text), m_ch(ch) {}

    // Index of the first occurrence at or after from, or -1.
    qsizetype From(qsizetype from) {
        if (m_none) return -1;
        if (m_hit < from) {
            m_hit = m_text.indexOf(m_ch, from);
            if (m_hit < 0) m_none = true;
        }
        return m_hit;
    }

private:
    QStringView m_text;
    QChar m_ch;
    qsizetype m_hit = -1;
    bool m_none = false;
};

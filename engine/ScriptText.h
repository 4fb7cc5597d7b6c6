#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Text helpers shared by the engines.
namespace ScriptText {

// The index of the first CR in chars[from, end), or end. Script lines are short, so this runs
// once a line: it scans eight characters at a time where the processor can.
inline qsizetype FindCr(const char16_t* chars, qsizetype from, qsizetype end) {
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi16(u'\r');
    for (; i + 8 <= end; i += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + i));
        const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(chunk, cr));
        if (mask != 0) return i + __builtin_ctz(unsigned(mask)) / 2;
    }
#endif
    for (; i < end; ++i)
        if (chars[i] == u'\r') return i;
    return end;
}

// Lines end at every CR LF pair; a lone CR or LF stays inside its line. An empty text has no
// lines; a text ending in CR LF has a last, empty line.
//
// The end of the line that starts at `from` in chars[0, size): the index of its CR LF, or size
// for the last line. Runs once a line of every parse, so it lives here, inline.
inline qsizetype LineEnd(const char16_t* chars, qsizetype from, qsizetype size) {
    for (qsizetype cr = FindCr(chars, from, size); cr < size; cr = FindCr(chars, cr + 1, size)) {
        if (cr + 1 < size && chars[cr + 1] == u'\n') return cr;
    }
    return size;
}

// Removes leading and trailing U+0020 only; tabs and full-width spaces stay.
inline QStringView TrimSpaces(QStringView line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == QLatin1Char(' '))
        ++first;
    while (last > first && line[last - 1] == QLatin1Char(' '))
        --last;
    return line.mid(first, last - first);
}

// The upper case of a character outside ASCII, when it is one character.
char16_t UpperCase(char16_t ch);

// True when the first upper.size() characters of text, in upper case, equal upper, which is
// upper-case ASCII. Compares character by character, so no copy is made; a character whose
// upper case is longer than one character (such as "ß") never matches, as the upper-cased text
// would then be longer.
inline bool UpperStartsWith(QStringView text, QLatin1String upper) {
    if (text.size() < upper.size()) return false;
    for (qsizetype i = 0; i < upper.size(); ++i) {
        const char16_t ch = text[i].unicode();
        // ASCII letters directly; anything else through the full case table.
        const char16_t folded =
            ch < 0x80 ? (ch >= u'a' && ch <= u'z' ? ch - 32 : ch) : UpperCase(ch);
        if (folded != char16_t(upper.at(i).unicode())) return false;
    }
    return true;
}

// UpperStartsWith on the whole of text.
inline bool UpperEquals(QStringView text, QLatin1String upper) {
    return text.size() == upper.size() && UpperStartsWith(text, upper);
}

// A one-character string, shared: the engines print character by character, and this spares
// an allocation for each.
const QString& CharText(QChar ch);

}  // namespace ScriptText

#pragma once

#include <type_traits>

#include <QString>
#include <QStringView>
#include <QVariant>

// The pieces of the property bag's plain-text form: lines of "key = type payload", quoted
// strings, and the payload of each value type. Payload formatters return false for a value the
// text form cannot hold; payload parsers return false for malformed text.
namespace PropertyText {

// ---- Lines -------------------------------------------------------------------------------

// A key the text form holds: no blanks, '=' or control characters, and not starting as a
// comment or with a byte-order mark (which a text drops from its start).
bool ValidKey(QStringView key);
// Splits a "key = type payload" line at its '='; false for a blank, comment or keyless line.
bool SplitLine(QStringView line, QStringView* key, QStringView* value);
// The next blank-separated word of *rest, moving *rest past it.
QStringView NextWord(QStringView* rest);

// ---- Quoted strings ----------------------------------------------------------------------

// Double quotes with \\, \", \r, \n, \t and \uXXXX escapes; a file's UTF-8 holds the result.
QString Quote(const QString& s);
// Reads a quoted string at the start of *rest and moves *rest past it.
bool Unquote(QStringView* rest, QString* out);

// ---- Payloads ----------------------------------------------------------------------------

bool FormatBool(const QVariant& v, QString* payload);
bool ParseBool(QStringView payload, QVariant* out);

// Whole-payload integers of the given width: signed ones in decimal, unsigned ones in decimal
// or as 0x and at most bits / 4 hex digits.
bool ParseSigned(QStringView payload, int bits, qint64* out);
bool ParseUnsigned(QStringView payload, int bits, quint64* out);

template <typename T>
bool FormatInteger(const QVariant& v, QString* payload) {
    if constexpr (std::is_signed_v<T>)
        *payload = QString::number(qlonglong(v.value<T>()));
    else
        *payload = QString::number(qulonglong(v.value<T>()));
    return true;
}

template <typename T>
bool ParseInteger(QStringView payload, QVariant* out) {
    constexpr int kBits = int(sizeof(T) * 8);
    if constexpr (std::is_signed_v<T>) {
        qint64 value = 0;
        if (!ParseSigned(payload, kBits, &value)) return false;
        *out = QVariant::fromValue(static_cast<T>(value));
    } else {
        quint64 value = 0;
        if (!ParseUnsigned(payload, kBits, &value)) return false;
        *out = QVariant::fromValue(static_cast<T>(value));
    }
    return true;
}

// A 32-bit unsigned value as 0x and eight hex digits, the way colours read best.
bool FormatHex32(const QVariant& v, QString* payload);

bool FormatFloat(const QVariant& v, QString* payload);
// Only a number that a float holds exactly.
bool ParseFloat(QStringView payload, QVariant* out);
bool FormatDouble(const QVariant& v, QString* payload);
bool ParseDouble(QStringView payload, QVariant* out);

bool FormatString(const QVariant& v, QString* payload);
bool ParseString(QStringView payload, QVariant* out);

// "family" size (12px or 10.5pt), then bold or weight=N, italic, underline, strikeout and
// antialias or noantialias.
bool FormatFont(const QVariant& v, QString* payload);
bool ParseFont(QStringView payload, QVariant* out);

// #RRGGBB for an opaque colour, #AARRGGBB otherwise.
bool FormatColor(const QVariant& v, QString* payload);
bool ParseColor(QStringView payload, QVariant* out);

// png: and the picture as base64 PNG; a quoted file or resource path is read too.
bool FormatImage(const QVariant& v, QString* payload);
bool FormatPixmap(const QVariant& v, QString* payload);
bool ParseImage(QStringView payload, QVariant* out);

}  // namespace PropertyText

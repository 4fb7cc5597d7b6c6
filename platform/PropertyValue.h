#pragma once

#include <type_traits>

#include <QString>
#include <QStringView>
#include <QVariant>

// Lossless conversion between the scalar types the controls persist. A stored value is first
// reduced to a Scalar (its kind, and the width of an integer), and a Scalar is then built as the
// wanted type only when that loses nothing.
namespace PropertyValue {

enum class Kind { Other, Bool, Signed, Unsigned, Floating, String, Color };

struct Scalar {
    Kind kind = Kind::Other;
    int bits = 0;  // width of a Signed or Unsigned value; signed and unsigned values of the
                   // same width convert bit for bit, as colours 0x800000nn need
    bool b = false;
    qint64 s = 0;
    quint64 u = 0;
    double d = 0;
    QString str;
};

// ---- Reducing a value of a known type to a Scalar ----------------------------------------

Scalar FromBool(const QVariant& v);
Scalar FromSigned(qint64 value, int bits);
Scalar FromUnsigned(quint64 value, int bits);
Scalar FromFloat(const QVariant& v);
Scalar FromDouble(const QVariant& v);
Scalar FromString(const QVariant& v);
// Only an opaque colour has an exact 0x00BBGGRR value; any other colour stays Other.
Scalar FromColor(const QVariant& v);

template <typename T>
Scalar FromInteger(const QVariant& v) {
    constexpr int kBits = int(sizeof(T) * 8);
    if constexpr (std::is_signed_v<T>)
        return FromSigned(v.value<T>(), kBits);
    else
        return FromUnsigned(v.value<T>(), kBits);
}

// ---- Building a value of a given type from a Scalar, false when it would lose anything ----

// Integers of the given width. Text counts when it is a whole decimal number.
bool ToSigned(Scalar x, int bits, qint64* out);
bool ToUnsigned(Scalar x, int bits, quint64* out);

template <typename T>
bool ToInteger(const Scalar& x, QVariant* out) {
    constexpr int kBits = int(sizeof(T) * 8);
    if constexpr (std::is_signed_v<T>) {
        qint64 value = 0;
        if (!ToSigned(x, kBits, &value)) return false;
        *out = QVariant::fromValue(static_cast<T>(value));
    } else {
        quint64 value = 0;
        if (!ToUnsigned(x, kBits, &value)) return false;
        *out = QVariant::fromValue(static_cast<T>(value));
    }
    return true;
}

bool ToBool(const Scalar& x, QVariant* out);
bool ToFloat(const Scalar& x, QVariant* out);
bool ToDouble(const Scalar& x, QVariant* out);
bool ToString(const Scalar& x, QVariant* out);
// A 0x00BBGGRR value or a system colour 0x800000nn, as the colour it shows.
bool ToColor(const Scalar& x, QVariant* out);

// ---- Numbers as text ---------------------------------------------------------------------

// Only digits, after one optional sign.
bool IsDecimal(QStringView text, bool allowSign);
// A decimal integer of any sign that fits 64 bits, as a Signed or Unsigned scalar.
bool ParseDecimal(QStringView text, Scalar* out);
qint64 MaxSigned(int bits);
// The shortest text that reads back as the same double.
QString DoubleText(double d);

}  // namespace PropertyValue

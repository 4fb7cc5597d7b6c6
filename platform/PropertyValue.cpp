#include "PropertyValue.h"

#include <QColor>
#include <QLocale>
#include <cmath>
#include <limits>

#include "Colors.h"

namespace PropertyValue {
namespace {

qint64 MinSigned(int bits) {
    return bits >= 64 ? std::numeric_limits<qint64>::min() : -(qint64(1) << (bits - 1));
}

quint64 MaxUnsigned(int bits) {
    return bits >= 64 ? std::numeric_limits<quint64>::max() : (quint64(1) << bits) - 1;
}

// A whole number as the nearest integer, halves to even; false for NaN and infinity.
bool RoundFinite(double d, double* out) {
    if (!std::isfinite(d)) return false;
    *out = std::nearbyint(d);
    return true;
}

// Text that is a whole decimal number becomes that number; other kinds stay as they are.
bool NumberFromText(Scalar* x) {
    return x->kind != Kind::String || ParseDecimal(x->str, x);
}

bool BoolFromText(const QString& text, bool* out) {
    if (text.compare(u"true", Qt::CaseInsensitive) == 0) {
        *out = true;
        return true;
    }
    if (text.compare(u"false", Qt::CaseInsensitive) == 0) {
        *out = false;
        return true;
    }
    Scalar n;
    QVariant value;
    if (!ParseDecimal(text, &n) || !ToBool(n, &value)) return false;
    *out = value.toBool();
    return true;
}

bool DoubleOf(const Scalar& x, double* out) {
    switch (x.kind) {
        case Kind::Bool:
            *out = x.b ? 1 : 0;
            return true;
        case Kind::Signed:
            *out = double(x.s);
            return *out >= -9223372036854775808.0 && *out < 9223372036854775808.0 &&
                   qint64(*out) == x.s;
        case Kind::Unsigned:
            *out = double(x.u);
            return *out < 18446744073709551616.0 && quint64(*out) == x.u;
        case Kind::Floating:
            *out = x.d;
            return true;
        case Kind::String: {
            bool ok = false;
            *out = QLocale::c().toDouble(x.str, &ok);
            return ok;
        }
        default:
            return false;
    }
}

}  // namespace

// ---- Reducing ----------------------------------------------------------------------------

Scalar FromBool(const QVariant& v) {
    Scalar x;
    x.kind = Kind::Bool;
    x.b = v.toBool();
    return x;
}

Scalar FromSigned(qint64 value, int bits) {
    Scalar x;
    x.kind = Kind::Signed;
    x.bits = bits;
    x.s = value;
    return x;
}

Scalar FromUnsigned(quint64 value, int bits) {
    Scalar x;
    x.kind = Kind::Unsigned;
    x.bits = bits;
    x.u = value;
    return x;
}

Scalar FromFloat(const QVariant& v) {
    Scalar x;
    x.kind = Kind::Floating;
    x.d = v.value<float>();
    return x;
}

Scalar FromDouble(const QVariant& v) {
    Scalar x;
    x.kind = Kind::Floating;
    x.d = v.value<double>();
    return x;
}

Scalar FromString(const QVariant& v) {
    Scalar x;
    x.kind = Kind::String;
    x.str = v.toString();
    return x;
}

Scalar FromColor(const QVariant& v) {
    const QColor c = v.value<QColor>();
    if (!c.isValid() || c.alpha() != 255) return {};
    Scalar x = FromUnsigned(Colors::FromQColor(c), 32);
    x.kind = Kind::Color;
    return x;
}

// ---- Building ----------------------------------------------------------------------------

bool ToSigned(Scalar x, int bits, qint64* out) {
    if (!NumberFromText(&x)) return false;
    switch (x.kind) {
        case Kind::Bool:
            *out = x.b ? 1 : 0;
            return true;
        case Kind::Signed:
            if (x.s < MinSigned(bits) || x.s > MaxSigned(bits)) return false;
            *out = x.s;
            return true;
        case Kind::Unsigned:
        case Kind::Color:
            if (x.u <= quint64(MaxSigned(bits))) {
                *out = qint64(x.u);
                return true;
            }
            if (x.bits != bits) return false;
            // Same width: the same bits read as signed.
            *out = bits >= 64 ? qint64(x.u) : qint64(x.u) - (qint64(1) << bits);
            return true;
        case Kind::Floating: {
            double r = 0;
            if (!RoundFinite(x.d, &r)) return false;
            if (r < double(MinSigned(bits)) || r >= -double(MinSigned(bits))) return false;
            *out = qint64(r);
            return true;
        }
        default:
            return false;
    }
}

bool ToUnsigned(Scalar x, int bits, quint64* out) {
    if (!NumberFromText(&x)) return false;
    switch (x.kind) {
        case Kind::Bool:
            *out = x.b ? 1 : 0;
            return true;
        case Kind::Unsigned:
        case Kind::Color:
            if (x.u > MaxUnsigned(bits)) return false;
            *out = x.u;
            return true;
        case Kind::Signed:
            if (x.s >= 0) {
                if (quint64(x.s) > MaxUnsigned(bits)) return false;
                *out = quint64(x.s);
                return true;
            }
            // Same width: the same bits read as unsigned.
            if (x.bits != bits) return false;
            *out = quint64(x.s) & MaxUnsigned(bits);
            return true;
        case Kind::Floating: {
            double r = 0;
            if (!RoundFinite(x.d, &r)) return false;
            if (r < 0 || r >= double(MaxUnsigned(bits)) + 1.0) return false;
            *out = quint64(r);
            return true;
        }
        default:
            return false;
    }
}

bool ToBool(const Scalar& x, QVariant* out) {
    bool b = false;
    switch (x.kind) {
        case Kind::Bool:
            b = x.b;
            break;
        case Kind::Signed:
            b = x.s != 0;
            break;
        case Kind::Unsigned:
            b = x.u != 0;
            break;
        case Kind::Floating:
            if (std::isnan(x.d)) return false;
            b = x.d != 0;
            break;
        case Kind::String:
            if (!BoolFromText(x.str, &b)) return false;
            break;
        default:
            return false;
    }
    *out = QVariant(b);
    return true;
}

bool ToFloat(const Scalar& x, QVariant* out) {
    double d = 0;
    if (!DoubleOf(x, &d)) return false;
    const float f = float(d);
    if (double(f) != d && !std::isnan(d)) return false;
    *out = QVariant::fromValue(f);
    return true;
}

bool ToDouble(const Scalar& x, QVariant* out) {
    double d = 0;
    if (!DoubleOf(x, &d)) return false;
    *out = QVariant(d);
    return true;
}

bool ToString(const Scalar& x, QVariant* out) {
    switch (x.kind) {
        case Kind::Bool:
            *out = x.b ? QStringLiteral("true") : QStringLiteral("false");
            return true;
        case Kind::Signed:
            *out = QString::number(x.s);
            return true;
        case Kind::Unsigned:
            *out = QString::number(x.u);
            return true;
        case Kind::Floating:
            *out = DoubleText(x.d);
            return true;
        case Kind::String:
            *out = x.str;
            return true;
        default:
            return false;
    }
}

bool ToColor(const Scalar& x, QVariant* out) {
    if (x.kind != Kind::Signed && x.kind != Kind::Unsigned && x.kind != Kind::Color) return false;
    quint64 value = 0;
    quint32 rgb = 0;
    if (!ToUnsigned(x, 32, &value) || !Colors::OleTranslateColor(quint32(value), &rgb))
        return false;
    *out = Colors::ToQColor(rgb);
    return true;
}

// ---- Numbers as text ---------------------------------------------------------------------

bool IsDecimal(QStringView text, bool allowSign) {
    qsizetype i = 0;
    if (allowSign && !text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) i = 1;
    if (i >= text.size()) return false;
    for (; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9') return false;
    return true;
}

bool ParseDecimal(QStringView text, Scalar* out) {
    if (!IsDecimal(text, true)) return false;
    bool ok = false;
    if (text[0] == u'-') {
        const qint64 v = text.toLongLong(&ok, 10);
        if (ok) *out = FromSigned(v, 64);
        return ok;
    }
    const quint64 v = text.toULongLong(&ok, 10);
    if (ok) *out = FromUnsigned(v, 64);
    return ok;
}

qint64 MaxSigned(int bits) {
    return bits >= 64 ? std::numeric_limits<qint64>::max() : (qint64(1) << (bits - 1)) - 1;
}

QString DoubleText(double d) {
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

}  // namespace PropertyValue

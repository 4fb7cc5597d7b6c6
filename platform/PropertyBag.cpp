#include "PropertyBag.h"

#include <type_traits>

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <cmath>
#include <limits>

#include "Colors.h"
#include "FontSetup.h"

namespace {

// ---- Lossless conversion between the scalar types the controls persist ----------------------

enum class Kind { Other, Bool, Signed, Unsigned, Floating, String, Colour };

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

bool IsDecimal(QStringView text, bool allowSign) {
    qsizetype i = 0;
    if (allowSign && !text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) i = 1;
    if (i >= text.size()) return false;
    for (; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9') return false;
    return true;
}

// A decimal integer of any sign that fits 64 bits, as a Signed or Unsigned scalar.
bool ParseInteger(QStringView text, Scalar* out) {
    if (!IsDecimal(text, true)) return false;
    bool ok = false;
    if (text[0] == u'-') {
        const qint64 v = text.toLongLong(&ok, 10);
        if (!ok) return false;
        *out = Scalar{Kind::Signed, 64, false, v, 0, 0, {}};
        return true;
    }
    const quint64 v = text.toULongLong(&ok, 10);
    if (!ok) return false;
    *out = Scalar{Kind::Unsigned, 64, false, 0, v, 0, {}};
    return true;
}

Scalar Classify(const QVariant& v) {
    Scalar x;
    switch (v.metaType().id()) {
        case QMetaType::Bool:
            x.kind = Kind::Bool;
            x.b = v.toBool();
            break;
        case QMetaType::SChar:
            x = {Kind::Signed, 8, false, v.value<signed char>(), 0, 0, {}};
            break;
        case QMetaType::Short:
            x = {Kind::Signed, 16, false, v.value<short>(), 0, 0, {}};
            break;
        case QMetaType::Int:
            x = {Kind::Signed, 32, false, v.value<int>(), 0, 0, {}};
            break;
        case QMetaType::Long:
            x = {Kind::Signed, int(sizeof(long) * 8), false, v.value<long>(), 0, 0, {}};
            break;
        case QMetaType::LongLong:
            x = {Kind::Signed, 64, false, v.value<qlonglong>(), 0, 0, {}};
            break;
        case QMetaType::UChar:
            x = {Kind::Unsigned, 8, false, 0, v.value<uchar>(), 0, {}};
            break;
        case QMetaType::UShort:
            x = {Kind::Unsigned, 16, false, 0, v.value<ushort>(), 0, {}};
            break;
        case QMetaType::UInt:
            x = {Kind::Unsigned, 32, false, 0, v.value<uint>(), 0, {}};
            break;
        case QMetaType::ULong:
            x = {Kind::Unsigned, int(sizeof(ulong) * 8), false, 0, v.value<ulong>(), 0, {}};
            break;
        case QMetaType::ULongLong:
            x = {Kind::Unsigned, 64, false, 0, v.value<qulonglong>(), 0, {}};
            break;
        case QMetaType::Float:
            x.kind = Kind::Floating;
            x.d = v.value<float>();
            break;
        case QMetaType::Double:
            x.kind = Kind::Floating;
            x.d = v.value<double>();
            break;
        case QMetaType::QString:
            x.kind = Kind::String;
            x.str = v.toString();
            break;
        case QMetaType::QColor: {
            // Only an opaque colour has an exact 0x00BBGGRR value.
            const QColor c = v.value<QColor>();
            if (c.isValid() && c.alpha() == 255)
                x = {Kind::Colour, 32, false, 0, Colors::FromQColor(c), 0, {}};
            break;
        }
        default:
            break;
    }
    return x;
}

qint64 MinSigned(int bits) {
    return bits >= 64 ? std::numeric_limits<qint64>::min() : -(qint64(1) << (bits - 1));
}
qint64 MaxSigned(int bits) {
    return bits >= 64 ? std::numeric_limits<qint64>::max() : (qint64(1) << (bits - 1)) - 1;
}
quint64 MaxUnsigned(int bits) {
    return bits >= 64 ? std::numeric_limits<quint64>::max() : (quint64(1) << bits) - 1;
}

// Reduces a number source to a signed value of the given width.
bool ToSigned(Scalar x, int bits, qint64* out) {
    if (x.kind == Kind::String && !ParseInteger(x.str, &x)) return false;
    switch (x.kind) {
        case Kind::Bool:
            *out = x.b ? 1 : 0;
            return true;
        case Kind::Signed:
            if (x.s < MinSigned(bits) || x.s > MaxSigned(bits)) return false;
            *out = x.s;
            return true;
        case Kind::Unsigned:
        case Kind::Colour:
            if (x.u <= quint64(MaxSigned(bits))) {
                *out = qint64(x.u);
                return true;
            }
            if (x.bits != bits) return false;
            // Same width: the same bits read as signed.
            *out = bits >= 64 ? qint64(x.u) : qint64(x.u) - (qint64(1) << bits);
            return true;
        case Kind::Floating: {
            if (!std::isfinite(x.d)) return false;
            const double r = std::nearbyint(x.d);  // halves to even
            if (r < double(MinSigned(bits)) || r >= -double(MinSigned(bits))) return false;
            *out = qint64(r);
            return true;
        }
        default:
            return false;
    }
}

bool ToUnsigned(Scalar x, int bits, quint64* out) {
    if (x.kind == Kind::String && !ParseInteger(x.str, &x)) return false;
    switch (x.kind) {
        case Kind::Bool:
            *out = x.b ? 1 : 0;
            return true;
        case Kind::Unsigned:
        case Kind::Colour:
            if (x.u > MaxUnsigned(bits)) return false;
            *out = x.u;
            return true;
        case Kind::Signed:
            if (x.s >= 0) {
                if (quint64(x.s) > MaxUnsigned(bits)) return false;
                *out = quint64(x.s);
                return true;
            }
            if (x.bits != bits) return false;
            *out = quint64(x.s) & MaxUnsigned(bits);
            return true;
        case Kind::Floating: {
            if (!std::isfinite(x.d)) return false;
            const double r = std::nearbyint(x.d);
            if (r < 0 || r >= double(MaxUnsigned(bits)) + 1.0) return false;
            *out = quint64(r);
            return true;
        }
        default:
            return false;
    }
}

// Converts to the integer type T if the value fits it exactly.
template <typename T>
bool PutInteger(Scalar x, QVariant* out) {
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

bool ToBool(const Scalar& x, bool* out) {
    switch (x.kind) {
        case Kind::Bool:
            *out = x.b;
            return true;
        case Kind::Signed:
            *out = x.s != 0;
            return true;
        case Kind::Unsigned:
            *out = x.u != 0;
            return true;
        case Kind::Floating:
            if (std::isnan(x.d)) return false;
            *out = x.d != 0;
            return true;
        case Kind::String: {
            if (x.str.compare(u"true", Qt::CaseInsensitive) == 0) {
                *out = true;
                return true;
            }
            if (x.str.compare(u"false", Qt::CaseInsensitive) == 0) {
                *out = false;
                return true;
            }
            Scalar n;
            if (!ParseInteger(x.str, &n)) return false;
            return ToBool(n, out);
        }
        default:
            return false;
    }
}

bool ToDouble(const Scalar& x, double* out) {
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

QString DoubleText(double d) {
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

bool ToString(const Scalar& x, QString* out) {
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

bool ToColour(const Scalar& x, QColor* out) {
    quint64 bitsValue = 0;
    if (x.kind == Kind::String || x.kind == Kind::Bool || x.kind == Kind::Floating) return false;
    if (!ToUnsigned(x, 32, &bitsValue)) return false;
    quint32 rgb = 0;
    if (!Colors::OleTranslateColor(quint32(bitsValue), &rgb)) return false;
    *out = Colors::ToQColor(rgb);
    return true;
}

bool IsEmptyPicture(const QVariant& v) {
    switch (v.metaType().id()) {
        case QMetaType::QImage:
            return v.value<QImage>().isNull();
        case QMetaType::QPixmap:
            return v.value<QPixmap>().isNull();
        case QMetaType::QIcon:
            return v.value<QIcon>().isNull();
        default:
            return false;
    }
}

// ---- Text form ---------------------------------------------------------------------------

bool IsKeyChar(QChar c) {
    return !c.isSpace() && c != u'=' && c.unicode() >= 0x20 && c.unicode() != 0x7F;
}

bool ValidKey(QStringView key) {
    if (key.isEmpty() || key[0] == u'#') return false;
    for (QChar c : key)
        if (!IsKeyChar(c)) return false;
    return true;
}

QString Quote(const QString& s) {
    QString out;
    out.reserve(s.size() + 2);
    out += u'"';
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        const char16_t u = c.unicode();
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'"') {
            out += QStringLiteral("\\\"");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            out += c;
            out += s[++i];
        } else if (u < 0x20 || u == 0x7F || c.isSurrogate()) {
            // Control characters and lone surrogates would not survive the file's UTF-8.
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// Reads a quoted string at the start of *rest and moves *rest past it.
bool Unquote(QStringView* rest, QString* out) {
    const QStringView text = *rest;
    if (text.isEmpty() || text[0] != u'"') return false;
    QString result;
    qsizetype i = 1;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'"') {
            *out = result;
            *rest = text.mid(i + 1);
            return true;
        }
        if (c != u'\\') {
            result += c;
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) return false;
        const QChar e = text[i + 1];
        i += 2;
        if (e == u'\\' || e == u'"') {
            result += e;
        } else if (e == u'r') {
            result += u'\r';
        } else if (e == u'n') {
            result += u'\n';
        } else if (e == u't') {
            result += u'\t';
        } else if (e == u'u') {
            if (i + 4 > text.size()) return false;
            int code = 0;
            for (int k = 0; k < 4; ++k) {
                const int digit = HexDigit(text[i + k]);
                if (digit < 0) return false;
                code = code * 16 + digit;
            }
            result += QChar(char16_t(code));
            i += 4;
        } else {
            return false;
        }
    }
    return false;
}

// The next blank-separated word of *rest, moving *rest past it.
QStringView NextWord(QStringView* rest) {
    const QStringView text = rest->trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    *rest = text.mid(end);
    return text.left(end);
}

QString FontText(const QFont& font) {
    QString text = Quote(font.family());
    if (font.pixelSize() > 0)
        text += QStringLiteral(" %1px").arg(font.pixelSize());
    else
        text += QStringLiteral(" %1pt").arg(DoubleText(font.pointSizeF()));
    if (font.weight() == QFont::Bold)
        text += QStringLiteral(" bold");
    else if (font.weight() != QFont::Normal)
        text += QStringLiteral(" weight=%1").arg(int(font.weight()));
    if (font.italic()) text += QStringLiteral(" italic");
    if (font.underline()) text += QStringLiteral(" underline");
    if (font.strikeOut()) text += QStringLiteral(" strikeout");
    text += (font.styleStrategy() & QFont::NoAntialias) ? QStringLiteral(" noantialias")
                                                        : QStringLiteral(" antialias");
    return text;
}

bool ParseFont(QStringView payload, QFont* out) {
    QString family;
    if (!Unquote(&payload, &family) || family.isEmpty()) return false;
    const QStringView size = NextWord(&payload);
    QFont font(family);
    bool ok = false;
    if (size.endsWith(u"px")) {
        const QStringView digits = size.chopped(2);
        const int px = IsDecimal(digits, false) ? digits.toInt(&ok) : 0;
        if (!ok || px <= 0) return false;
        font.setPixelSize(px);
    } else if (size.endsWith(u"pt")) {
        const double pt = QLocale::c().toDouble(size.chopped(2), &ok);
        if (!ok || !(pt > 0) || pt > 10000) return false;
        font.setPointSizeF(pt);
    } else {
        return false;
    }
    // Without an explicit word, Song faces keep the program's crisp bitmap look.
    bool noAntialias = FontSetup::IsSongFace(family);
    for (QStringView word = NextWord(&payload); !word.isEmpty(); word = NextWord(&payload)) {
        if (word == u"bold") {
            font.setWeight(QFont::Bold);
        } else if (word == u"italic") {
            font.setItalic(true);
        } else if (word == u"underline") {
            font.setUnderline(true);
        } else if (word == u"strikeout") {
            font.setStrikeOut(true);
        } else if (word == u"antialias") {
            noAntialias = false;
        } else if (word == u"noantialias") {
            noAntialias = true;
        } else if (word.startsWith(u"weight=")) {
            const QStringView digits = word.mid(7);
            const int weight = IsDecimal(digits, false) ? digits.toInt(&ok) : 0;
            if (!ok || weight < 1 || weight > 1000) return false;
            font.setWeight(QFont::Weight(weight));
        } else {
            return false;
        }
    }
    if (noAntialias) font.setStyleStrategy(QFont::NoAntialias);
    *out = font;
    return true;
}

bool ParseColour(QStringView text, QColor* out) {
    if (!text.startsWith(u'#') || (text.size() != 7 && text.size() != 9)) return false;
    quint32 v = 0;
    for (QChar c : text.mid(1)) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        v = v * 16 + quint32(digit);
    }
    QColor colour = QColor::fromRgb(QRgb(v));
    colour.setAlpha(text.size() == 9 ? int(v >> 24) : 255);
    *out = colour;
    return true;
}

QString ImageText(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return QStringLiteral("png:") + QString::fromLatin1(png.toBase64());
}

bool ParseImage(QStringView payload, QImage* out) {
    if (payload.startsWith(u'"')) {
        QString path;
        if (!Unquote(&payload, &path) || !payload.trimmed().isEmpty()) return false;
        QImage image(path);
        if (image.isNull()) return false;
        *out = image;
        return true;
    }
    if (!payload.startsWith(u"png:")) return false;
    const auto decoded = QByteArray::fromBase64Encoding(payload.mid(4).toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return false;
    QImage image = QImage::fromData(*decoded, "PNG");
    if (image.isNull()) return false;
    *out = image;
    return true;
}

// A whole-payload integer of the given signed width.
bool ParseSigned(QStringView payload, int bits, qint64* out) {
    Scalar x;
    return ParseInteger(payload, &x) && ToSigned(x, bits, out) &&
           (x.kind == Kind::Signed || x.u <= quint64(MaxSigned(bits)));
}

bool ParseUnsigned(QStringView payload, int bits, quint64* out) {
    if (payload.startsWith(u"0x") || payload.startsWith(u"0X")) {
        const QStringView digits = payload.mid(2);
        if (digits.isEmpty() || digits.size() > bits / 4) return false;
        quint64 v = 0;
        for (QChar c : digits) {
            const int digit = HexDigit(c);
            if (digit < 0) return false;
            v = v * 16 + quint64(digit);
        }
        *out = v;
        return true;
    }
    Scalar x;
    return IsDecimal(payload, false) && ParseInteger(payload, &x) && ToUnsigned(x, bits, out);
}

}  // namespace

// ---- Values ------------------------------------------------------------------------------

bool PropertyBag::ConvertValue(const QVariant& value, QMetaType type, QVariant* out) {
    if (!value.isValid() || !type.isValid()) return false;
    if (value.metaType() == type) {
        *out = value;
        return true;
    }
    const Scalar x = Classify(value);
    const int id = type.id();
    switch (id) {
        case QMetaType::Bool: {
            bool b = false;
            if (!ToBool(x, &b)) return false;
            *out = QVariant(b);
            return true;
        }
        case QMetaType::SChar:
            return PutInteger<signed char>(x, out);
        case QMetaType::Short:
            return PutInteger<short>(x, out);
        case QMetaType::Int:
            return PutInteger<int>(x, out);
        case QMetaType::Long:
            return PutInteger<long>(x, out);
        case QMetaType::LongLong:
            return PutInteger<qlonglong>(x, out);
        case QMetaType::UChar:
            return PutInteger<uchar>(x, out);
        case QMetaType::UShort:
            return PutInteger<ushort>(x, out);
        case QMetaType::UInt:
            return PutInteger<uint>(x, out);
        case QMetaType::ULong:
            return PutInteger<ulong>(x, out);
        case QMetaType::ULongLong:
            return PutInteger<qulonglong>(x, out);
        case QMetaType::Double:
        case QMetaType::Float: {
            double d = 0;
            if (!ToDouble(x, &d)) return false;
            if (id == QMetaType::Double) {
                *out = QVariant(d);
            } else {
                const float f = float(d);
                if (double(f) != d && !std::isnan(d)) return false;
                *out = QVariant::fromValue(f);
            }
            return true;
        }
        case QMetaType::QString: {
            QString text;
            if (!ToString(x, &text)) break;
            *out = QVariant(text);
            return true;
        }
        case QMetaType::QColor: {
            QColor colour;
            if (!ToColour(x, &colour)) break;
            *out = QVariant(colour);
            return true;
        }
        default:
            break;
    }
    if (x.kind != Kind::Other) return false;
    // Other types (fonts, pictures): whatever Qt converts.
    QVariant converted = value;
    if (!QMetaType::canConvert(value.metaType(), type) || !converted.convert(type)) return false;
    *out = converted;
    return true;
}

bool PropertyBag::SameValue(const QVariant& value, const QVariant& defaultValue) {
    if (!value.isValid() || !defaultValue.isValid()) return false;
    if (value.metaType() == defaultValue.metaType()) return value == defaultValue;
    // Both ways, so that neither reading the default back nor converting it loses anything.
    QVariant asValue, asDefault;
    return ConvertValue(defaultValue, value.metaType(), &asValue) && asValue == value &&
           ConvertValue(value, defaultValue.metaType(), &asDefault) && asDefault == defaultValue;
}

// ---- Bag ---------------------------------------------------------------------------------

void PropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                const QVariant& defaultValue) {
    if (!value.isValid() || IsEmptyPicture(value)) return;
    if (SameValue(value, defaultValue)) return;
    m_entries.append({key, value});
}

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const {
    int& reads = m_readCounts[key.toCaseFolded()];
    const int wanted = reads++;
    int seen = 0;
    for (const Entry& entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) != 0) continue;
        if (seen++ < wanted) continue;
        if (!defaultValue.isValid()) return entry.value;
        QVariant converted;
        return ConvertValue(entry.value, defaultValue.metaType(), &converted) ? converted
                                                                              : defaultValue;
    }
    return defaultValue;
}

bool PropertyBag::Contains(const QString& key) const {
    for (const Entry& entry : m_entries)
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void PropertyBag::Clear() {
    m_entries.clear();
    m_readCounts.clear();
}

// ---- Text form ---------------------------------------------------------------------------

bool PropertyBag::FormatEntry(const Entry& entry, QString* line) {
    line->clear();
    if (!ValidKey(entry.key)) return false;
    const QVariant& v = entry.value;
    QString value;
    switch (v.metaType().id()) {
        case QMetaType::Bool:
            value = v.toBool() ? QStringLiteral("bool true") : QStringLiteral("bool false");
            break;
        case QMetaType::Short:
            value = QStringLiteral("short %1").arg(v.value<short>());
            break;
        case QMetaType::UShort:
            value = QStringLiteral("ushort %1").arg(v.value<ushort>());
            break;
        case QMetaType::Int:
            value = QStringLiteral("int %1").arg(v.value<int>());
            break;
        case QMetaType::UInt:
            value = QStringLiteral("uint 0x") +
                    QString::number(v.value<uint>(), 16).toUpper().rightJustified(8, u'0');
            break;
        case QMetaType::Long:
        case QMetaType::LongLong:
            value = QStringLiteral("long %1").arg(v.value<qlonglong>());
            break;
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            value = QStringLiteral("ulong %1").arg(v.value<qulonglong>());
            break;
        case QMetaType::Float:
            value = QStringLiteral("float ") + DoubleText(double(v.value<float>()));
            break;
        case QMetaType::Double:
            value = QStringLiteral("double ") + DoubleText(v.value<double>());
            break;
        case QMetaType::QString:
            value = QStringLiteral("str ") + Quote(v.toString());
            break;
        case QMetaType::QFont:
            value = QStringLiteral("font ") + FontText(v.value<QFont>());
            break;
        case QMetaType::QColor: {
            const QColor c = v.value<QColor>();
            if (!c.isValid()) return false;
            value = QStringLiteral("color ") +
                    c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb).toUpper();
            break;
        }
        case QMetaType::QImage:
        case QMetaType::QPixmap: {
            const QImage image = v.metaType().id() == QMetaType::QImage
                                     ? v.value<QImage>()
                                     : v.value<QPixmap>().toImage();
            if (image.isNull()) return false;
            const QString data = ImageText(image);
            if (data.isEmpty()) return false;
            value = QStringLiteral("image ") + data;
            break;
        }
        default:
            return false;
    }
    *line = entry.key.toLower() + QStringLiteral(" = ") + value;
    return true;
}

bool PropertyBag::ParseLine(QStringView line, Entry* entry) {
    const QStringView text = line.trimmed();
    if (text.isEmpty() || text[0] == u'#') return false;
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0) return false;
    const QStringView key = text.left(eq).trimmed();
    if (!ValidKey(key)) return false;
    QStringView rest = text.mid(eq + 1);
    const QStringView type = NextWord(&rest);
    const QStringView payload = rest.trimmed();

    QVariant value;
    qint64 s = 0;
    quint64 u = 0;
    bool ok = false;
    if (type == u"str") {
        QString str;
        QStringView after = payload;
        if (!Unquote(&after, &str) || !after.trimmed().isEmpty()) return false;
        value = str;
    } else if (type == u"int") {
        if (!ParseSigned(payload, 32, &s)) return false;
        value = int(s);
    } else if (type == u"short") {
        if (!ParseSigned(payload, 16, &s)) return false;
        value = QVariant::fromValue(short(s));
    } else if (type == u"long") {
        if (!ParseSigned(payload, 64, &s)) return false;
        value = qlonglong(s);
    } else if (type == u"uint") {
        if (!ParseUnsigned(payload, 32, &u)) return false;
        value = uint(u);
    } else if (type == u"ushort") {
        if (!ParseUnsigned(payload, 16, &u)) return false;
        value = QVariant::fromValue(ushort(u));
    } else if (type == u"ulong") {
        if (!ParseUnsigned(payload, 64, &u)) return false;
        value = qulonglong(u);
    } else if (type == u"bool") {
        if (payload == u"true")
            value = true;
        else if (payload == u"false")
            value = false;
        else
            return false;
    } else if (type == u"double" || type == u"float") {
        if (payload.isEmpty() || payload.contains(u' ')) return false;
        const double d = QLocale::c().toDouble(payload, &ok);
        if (!ok) return false;
        if (type == u"double") {
            value = d;
        } else {
            if (double(float(d)) != d && !std::isnan(d)) return false;
            value = QVariant::fromValue(float(d));
        }
    } else if (type == u"font") {
        QFont font;
        if (!ParseFont(payload, &font)) return false;
        value = font;
    } else if (type == u"color") {
        QColor colour;
        if (!ParseColour(payload, &colour)) return false;
        value = colour;
    } else if (type == u"image") {
        QImage image;
        if (!ParseImage(payload, &image)) return false;
        value = image;
    } else {
        return false;
    }
    *entry = Entry{key.toString(), value};
    return true;
}

QString PropertyBag::ToText(int* skipped) const {
    QString text;
    int failed = 0;
    for (const Entry& entry : m_entries) {
        QString line;
        if (!FormatEntry(entry, &line)) {
            ++failed;
            continue;
        }
        text += line;
        text += u'\n';
    }
    if (skipped) *skipped = failed;
    return text;
}

PropertyBag PropertyBag::FromText(QStringView text, int* skipped) {
    PropertyBag bag;
    int failed = 0;
    if (text.startsWith(QChar(0xFEFF))) text = text.mid(1);
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed[0] == u'#') continue;
        Entry entry;
        if (ParseLine(line, &entry))
            bag.m_entries.append(entry);
        else
            ++failed;
    }
    if (skipped) *skipped = failed;
    return bag;
}

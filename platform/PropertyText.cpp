#include "PropertyText.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <cmath>

#include "FontSetup.h"
#include "PropertyValue.h"

namespace PropertyText {
namespace {

using PropertyValue::DoubleText;
using PropertyValue::IsDecimal;

// Point sizes beyond this are taken for a damaged line.
constexpr double kMaxPointSize = 10000;

bool IsKeyChar(QChar c) {
    return !c.isSpace() && c != u'=' && c.unicode() >= 0x20 && c.unicode() != 0x7F;
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// Hex digits only, at most maxDigits of them.
bool ParseHex(QStringView digits, qsizetype maxDigits, quint64* out) {
    if (digits.isEmpty() || digits.size() > maxDigits) return false;
    quint64 v = 0;
    for (QChar c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        v = v * 16 + quint64(digit);
    }
    *out = v;
    return true;
}

void AppendEscaped(QChar c, QString* out) {
    switch (c.unicode()) {
        case u'\\':
            *out += QStringLiteral("\\\\");
            return;
        case u'"':
            *out += QStringLiteral("\\\"");
            return;
        case u'\r':
            *out += QStringLiteral("\\r");
            return;
        case u'\n':
            *out += QStringLiteral("\\n");
            return;
        case u'\t':
            *out += QStringLiteral("\\t");
            return;
        default:
            break;
    }
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F || c.isSurrogate())
        // Control characters and lone surrogates would not survive the file's UTF-8.
        *out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
    else
        *out += c;
}

// The character an escape stands for; *i is just past the backslash and moves past the escape.
bool ReadEscape(QStringView text, qsizetype* i, QString* out) {
    if (*i >= text.size()) return false;
    const QChar e = text[(*i)++];
    if (e == u'\\' || e == u'"') {
        *out += e;
    } else if (e == u'r') {
        *out += u'\r';
    } else if (e == u'n') {
        *out += u'\n';
    } else if (e == u't') {
        *out += u'\t';
    } else if (e == u'u') {
        quint64 code = 0;
        if (*i + 4 > text.size() || !ParseHex(text.mid(*i, 4), 4, &code)) return false;
        *out += QChar(char16_t(code));
        *i += 4;
    } else {
        return false;
    }
    return true;
}

// Nothing but blanks after a quoted string.
bool ParseWholeQuoted(QStringView payload, QString* out) {
    return Unquote(&payload, out) && payload.trimmed().isEmpty();
}

QString SizeText(const QFont& font) {
    if (font.pixelSize() > 0) return QStringLiteral("%1px").arg(font.pixelSize());
    return DoubleText(font.pointSizeF()) + QStringLiteral("pt");
}

bool ParseSize(QStringView size, QFont* font) {
    bool ok = false;
    if (size.endsWith(u"px")) {
        const QStringView digits = size.chopped(2);
        const int px = IsDecimal(digits, false) ? digits.toInt(&ok) : 0;
        if (!ok || px <= 0) return false;
        font->setPixelSize(px);
        return true;
    }
    if (size.endsWith(u"pt")) {
        const double pt = QLocale::c().toDouble(size.chopped(2), &ok);
        if (!ok || !(pt > 0) || pt > kMaxPointSize) return false;
        font->setPointSizeF(pt);
        return true;
    }
    return false;
}

// One style word of a font; *noAntialias records the antialias words.
bool ParseStyleWord(QStringView word, QFont* font, bool* noAntialias) {
    if (word == u"bold") {
        font->setWeight(QFont::Bold);
    } else if (word == u"italic") {
        font->setItalic(true);
    } else if (word == u"underline") {
        font->setUnderline(true);
    } else if (word == u"strikeout") {
        font->setStrikeOut(true);
    } else if (word == u"antialias") {
        *noAntialias = false;
    } else if (word == u"noantialias") {
        *noAntialias = true;
    } else if (word.startsWith(u"weight=")) {
        const QStringView digits = word.mid(7);
        bool ok = false;
        const int weight = IsDecimal(digits, false) ? digits.toInt(&ok) : 0;
        if (!ok || weight < 1 || weight > 1000) return false;
        font->setWeight(QFont::Weight(weight));
    } else {
        return false;
    }
    return true;
}

QString ImageText(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return QStringLiteral("png:") + QString::fromLatin1(png.toBase64());
}

bool FormatPicture(const QImage& image, QString* payload) {
    if (image.isNull()) return false;
    *payload = ImageText(image);
    return !payload->isEmpty();
}

bool ImageFromFile(QStringView payload, QImage* out) {
    QString path;
    if (!ParseWholeQuoted(payload, &path)) return false;
    *out = QImage(path);
    return !out->isNull();
}

bool ImageFromBase64(QStringView payload, QImage* out) {
    if (!payload.startsWith(u"png:")) return false;
    const auto decoded = QByteArray::fromBase64Encoding(payload.mid(4).toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return false;
    *out = QImage::fromData(*decoded, "PNG");
    return !out->isNull();
}

}  // namespace

// ---- Lines -------------------------------------------------------------------------------

bool ValidKey(QStringView key) {
    if (key.isEmpty() || key[0] == u'#' || key[0] == QChar(0xFEFF)) return false;
    for (QChar c : key)
        if (!IsKeyChar(c)) return false;
    return true;
}

bool SplitLine(QStringView line, QStringView* key, QStringView* value) {
    const QStringView text = line.trimmed();
    if (text.isEmpty() || text[0] == u'#') return false;
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0) return false;
    *key = text.left(eq).trimmed();
    *value = text.mid(eq + 1);
    return ValidKey(*key);
}

QStringView NextWord(QStringView* rest) {
    const QStringView text = rest->trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    *rest = text.mid(end);
    return text.left(end);
}

// ---- Quoted strings ----------------------------------------------------------------------

QString Quote(const QString& s) {
    QString out;
    out.reserve(s.size() + 2);
    out += u'"';
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            out += s[i];
            out += s[++i];
        } else {
            AppendEscaped(s[i], &out);
        }
    }
    out += u'"';
    return out;
}

bool Unquote(QStringView* rest, QString* out) {
    const QStringView text = *rest;
    if (text.isEmpty() || text[0] != u'"') return false;
    QString result;
    qsizetype i = 1;
    while (i < text.size()) {
        const QChar c = text[i++];
        if (c == u'"') {
            *out = result;
            *rest = text.mid(i);
            return true;
        }
        if (c != u'\\')
            result += c;
        else if (!ReadEscape(text, &i, &result))
            return false;
    }
    return false;
}

// ---- Payloads ----------------------------------------------------------------------------

bool FormatBool(const QVariant& v, QString* payload) {
    *payload = v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return true;
}

bool ParseBool(QStringView payload, QVariant* out) {
    if (payload != u"true" && payload != u"false") return false;
    *out = QVariant(payload == u"true");
    return true;
}

bool ParseSigned(QStringView payload, int bits, qint64* out) {
    PropertyValue::Scalar x;
    return PropertyValue::ParseDecimal(payload, &x) && PropertyValue::ToSigned(x, bits, out) &&
           (x.kind == PropertyValue::Kind::Signed ||
            x.u <= quint64(PropertyValue::MaxSigned(bits)));
}

bool ParseUnsigned(QStringView payload, int bits, quint64* out) {
    if (payload.startsWith(u"0x") || payload.startsWith(u"0X"))
        return ParseHex(payload.mid(2), bits / 4, out);
    PropertyValue::Scalar x;
    return IsDecimal(payload, false) && PropertyValue::ParseDecimal(payload, &x) &&
           PropertyValue::ToUnsigned(x, bits, out);
}

bool FormatHex32(const QVariant& v, QString* payload) {
    *payload = QStringLiteral("0x") +
               QString::number(v.value<uint>(), 16).toUpper().rightJustified(8, u'0');
    return true;
}

bool FormatFloat(const QVariant& v, QString* payload) {
    *payload = DoubleText(double(v.value<float>()));
    return true;
}

bool ParseFloat(QStringView payload, QVariant* out) {
    QVariant d;
    if (!ParseDouble(payload, &d)) return false;
    const double value = d.toDouble();
    if (double(float(value)) != value && !std::isnan(value)) return false;
    *out = QVariant::fromValue(float(value));
    return true;
}

bool FormatDouble(const QVariant& v, QString* payload) {
    *payload = DoubleText(v.value<double>());
    return true;
}

bool ParseDouble(QStringView payload, QVariant* out) {
    if (payload.isEmpty() || payload.contains(u' ')) return false;
    bool ok = false;
    const double d = QLocale::c().toDouble(payload, &ok);
    if (!ok) return false;
    *out = QVariant(d);
    return true;
}

bool FormatString(const QVariant& v, QString* payload) {
    *payload = Quote(v.toString());
    return true;
}

bool ParseString(QStringView payload, QVariant* out) {
    QString text;
    if (!ParseWholeQuoted(payload, &text)) return false;
    *out = QVariant(text);
    return true;
}

bool FormatFont(const QVariant& v, QString* payload) {
    const QFont font = v.value<QFont>();
    // Only what ParseFont reads back: a named family and a size in its range.
    if (font.family().isEmpty()) return false;
    if (font.pixelSize() <= 0 && !(font.pointSizeF() > 0 && font.pointSizeF() <= kMaxPointSize))
        return false;
    QString text = Quote(font.family()) + u' ' + SizeText(font);
    if (font.weight() == QFont::Bold)
        text += QStringLiteral(" bold");
    else if (font.weight() != QFont::Normal)
        text += QStringLiteral(" weight=%1").arg(int(font.weight()));
    if (font.italic()) text += QStringLiteral(" italic");
    if (font.underline()) text += QStringLiteral(" underline");
    if (font.strikeOut()) text += QStringLiteral(" strikeout");
    text += (font.styleStrategy() & QFont::NoAntialias) ? QStringLiteral(" noantialias")
                                                        : QStringLiteral(" antialias");
    *payload = text;
    return true;
}

bool ParseFont(QStringView payload, QVariant* out) {
    QString family;
    if (!Unquote(&payload, &family) || family.isEmpty()) return false;
    QFont font(family);
    // The quoted name is one family: the constructor splits a name at commas, and only its
    // first part would be written back.
    font.setFamilies({family});
    if (!ParseSize(NextWord(&payload), &font)) return false;
    // Without an explicit word, Song faces keep the program's crisp bitmap look.
    bool noAntialias = FontSetup::IsSongFace(family);
    for (QStringView word = NextWord(&payload); !word.isEmpty(); word = NextWord(&payload))
        if (!ParseStyleWord(word, &font, &noAntialias)) return false;
    if (noAntialias) font.setStyleStrategy(QFont::NoAntialias);
    *out = font;
    return true;
}

bool FormatColor(const QVariant& v, QString* payload) {
    const QColor c = v.value<QColor>();
    if (!c.isValid()) return false;
    *payload = c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb).toUpper();
    return true;
}

bool ParseColor(QStringView payload, QVariant* out) {
    quint64 v = 0;
    if (!payload.startsWith(u'#') || (payload.size() != 7 && payload.size() != 9) ||
        !ParseHex(payload.mid(1), 8, &v))
        return false;
    QColor color = QColor::fromRgb(QRgb(v));
    color.setAlpha(payload.size() == 9 ? int(v >> 24) : 255);
    *out = color;
    return true;
}

bool FormatImage(const QVariant& v, QString* payload) {
    return FormatPicture(v.value<QImage>(), payload);
}

bool FormatPixmap(const QVariant& v, QString* payload) {
    return FormatPicture(v.value<QPixmap>().toImage(), payload);
}

bool ParseImage(QStringView payload, QVariant* out) {
    QImage image;
    const bool read = payload.startsWith(u'"') ? ImageFromFile(payload, &image)
                                               : ImageFromBase64(payload, &image);
    if (!read) return false;
    *out = image;
    return true;
}

}  // namespace PropertyText

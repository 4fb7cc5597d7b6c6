#include "PropertyTypes.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "PropertyText.h"
#include "PropertyValue.h"

namespace PropertyTypes {
namespace {

using namespace PropertyValue;
using namespace PropertyText;

// One supported type.
struct Row {
    int id;  // QMetaType::Type
    // The word naming the type in the text form; empty when the text form does not hold it.
    QStringView word;
    Scalar (*classify)(const QVariant& v);
    // Builds the type from a scalar without loss.
    bool (*convert)(const Scalar& x, QVariant* out);
    // Whether values of types outside the table convert as Qt converts them when convert
    // fails. Types without convert always do.
    bool othersViaQt;
    // Null for a type the text form does not hold.
    bool (*format)(const QVariant& v, QString* payload) = nullptr;
    // Null where another row reads the word back (long reads as qlonglong, image as QImage).
    bool (*parse)(QStringView payload, QVariant* out) = nullptr;
    // Whether a value holds nothing worth storing (a null picture).
    bool (*isEmpty)(const QVariant& v) = nullptr;
};

template <typename T>
bool IsNull(const QVariant& v) {
    return v.value<T>().isNull();
}

// Row::othersViaQt
constexpr bool kScalarsOnly = false;
constexpr bool kOthersViaQt = true;

// Columns: type, text-form word, classify, convert, othersViaQt, format, parse, isEmpty.
constexpr Row kRows[] = {
    {QMetaType::Bool, u"bool", FromBool, ToBool, kScalarsOnly, FormatBool, ParseBool},
    {QMetaType::SChar, {}, FromInteger<signed char>, ToInteger<signed char>, kScalarsOnly},
    {QMetaType::UChar, {}, FromInteger<uchar>, ToInteger<uchar>, kScalarsOnly},
    {QMetaType::Short, u"short", FromInteger<short>, ToInteger<short>, kScalarsOnly,
     FormatInteger<short>, ParseInteger<short>},
    {QMetaType::UShort, u"ushort", FromInteger<ushort>, ToInteger<ushort>, kScalarsOnly,
     FormatInteger<ushort>, ParseInteger<ushort>},
    {QMetaType::Int, u"int", FromInteger<int>, ToInteger<int>, kScalarsOnly, FormatInteger<int>,
     ParseInteger<int>},
    {QMetaType::UInt, u"uint", FromInteger<uint>, ToInteger<uint>, kScalarsOnly, FormatHex32,
     ParseInteger<uint>},
    {QMetaType::Long, u"long", FromInteger<long>, ToInteger<long>, kScalarsOnly,
     FormatInteger<long>},
    {QMetaType::LongLong, u"long", FromInteger<qlonglong>, ToInteger<qlonglong>, kScalarsOnly,
     FormatInteger<qlonglong>, ParseInteger<qlonglong>},
    {QMetaType::ULong, u"ulong", FromInteger<ulong>, ToInteger<ulong>, kScalarsOnly,
     FormatInteger<ulong>},
    {QMetaType::ULongLong, u"ulong", FromInteger<qulonglong>, ToInteger<qulonglong>, kScalarsOnly,
     FormatInteger<qulonglong>, ParseInteger<qulonglong>},
    {QMetaType::Float, u"float", FromFloat, ToFloat, kScalarsOnly, FormatFloat, ParseFloat},
    {QMetaType::Double, u"double", FromDouble, ToDouble, kScalarsOnly, FormatDouble, ParseDouble},
    {QMetaType::QString, u"str", FromString, ToString, kOthersViaQt, FormatString, ParseString},
    {QMetaType::QFont, u"font", nullptr, nullptr, kOthersViaQt, FormatFont, ParseFont},
    {QMetaType::QColor, u"color", FromColor, ToColor, kOthersViaQt, FormatColor, ParseColor},
    {QMetaType::QImage, u"image", nullptr, nullptr, kOthersViaQt, FormatImage, ParseImage,
     IsNull<QImage>},
    {QMetaType::QPixmap, u"image", nullptr, nullptr, kOthersViaQt, FormatPixmap, nullptr,
     IsNull<QPixmap>},
    {QMetaType::QIcon, {}, nullptr, nullptr, kOthersViaQt, nullptr, nullptr, IsNull<QIcon>},
};

// The row that reads a text-form word back.
const Row* FindWord(QStringView word) {
    for (const Row& row : kRows)
        if (row.parse && row.word == word) return &row;
    return nullptr;
}

bool ConvertWithQt(const QVariant& value, QMetaType type, QVariant* out) {
    QVariant converted = value;
    if (!QMetaType::canConvert(value.metaType(), type) || !converted.convert(type)) return false;
    *out = converted;
    return true;
}

const Row* Find(QMetaType type) {
    for (const Row& row : kRows)
        if (row.id == type.id()) return &row;
    return nullptr;
}

Scalar Classify(const QVariant& value) {
    const Row* row = Find(value.metaType());
    return row && row->classify ? row->classify(value) : Scalar{};
}

}  // namespace

bool Convert(const QVariant& value, QMetaType type, QVariant* out) {
    if (!value.isValid() || !type.isValid()) return false;
    if (value.metaType() == type) {
        *out = value;
        return true;
    }
    const Scalar x = Classify(value);
    const Row* row = Find(type);
    if (row && row->convert) {
        if (row->convert(x, out)) return true;
        if (!row->othersViaQt) return false;
    }
    // Fonts, pictures and the like: whatever Qt converts, but never a scalar, which only
    // converts losslessly above.
    return x.kind == Kind::Other && ConvertWithQt(value, type, out);
}

bool IsEmpty(const QVariant& value) {
    const Row* row = Find(value.metaType());
    return row && row->isEmpty && row->isEmpty(value);
}

bool Format(const QVariant& value, QString* text) {
    const Row* row = Find(value.metaType());
    QString payload;
    if (!row || !row->format || !row->format(value, &payload)) return false;
    *text = row->word.toString() + u' ' + payload;
    return true;
}

bool Parse(QStringView text, QVariant* value) {
    const QStringView word = NextWord(&text);
    const Row* row = FindWord(word);
    return row && row->parse(text.trimmed(), value);
}

}  // namespace PropertyTypes

#include "ColorCode.h"

#include "Rounding.h"

namespace ColorCode {
namespace {

bool IsDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

}  // namespace

double LeadingValue(const QString& digits) {
    qsizetype i = 0;
    const qsizetype n = digits.size();
    auto skipSpaces = [&] {
        while (i < n && digits[i] == QLatin1Char(' '))
            ++i;
    };
    skipSpaces();
    double sign = 1;
    if (i < n && (digits[i] == QLatin1Char('+') || digits[i] == QLatin1Char('-'))) {
        if (digits[i] == QLatin1Char('-')) sign = -1;
        ++i;
    }
    double value = 0;
    for (skipSpaces(); i < n && IsDigit(digits[i]); skipSpaces())
        value = value * 10 + (digits[i++].unicode() - '0');
    if (i < n && digits[i] == QLatin1Char('.')) {
        ++i;
        double scale = 0.1;
        for (skipSpaces(); i < n && IsDigit(digits[i]); skipSpaces()) {
            value += (digits[i++].unicode() - '0') * scale;
            scale /= 10;
        }
    }
    return sign * value;
}

std::optional<int> PaletteIndex(const QString& digits) {
    qsizetype i = 0;
    const qsizetype n = digits.size();
    double sign = 1;
    if (i < n && (digits[i] == QLatin1Char('+') || digits[i] == QLatin1Char('-'))) {
        if (digits[i] == QLatin1Char('-')) sign = -1;
        ++i;
    }
    double value = 0;
    bool anyDigit = false;
    for (; i < n && IsDigit(digits[i]); ++i, anyDigit = true)
        value = value * 10 + (digits[i].unicode() - '0');
    if (i < n && digits[i] == QLatin1Char('.')) {
        double scale = 0.1;
        for (++i; i < n && IsDigit(digits[i]); ++i, anyDigit = true, scale /= 10)
            value += (digits[i].unicode() - '0') * scale;
    }
    if (!anyDigit || i != n) return std::nullopt;
    const qint32 index = RoundHalfEven(sign * value);
    if (index < 0 || index > 255) return std::nullopt;
    return index;
}

}  // namespace ColorCode

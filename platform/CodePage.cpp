#include "CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace CodePage {
namespace {

constexpr const char* kCodePage = "GBK";

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// True when the last byte of the input starts a two-byte character whose second byte is missing.
bool EndsWithLoneLeadByte(const QByteArray& bytes) {
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (IsLeadByte(static_cast<unsigned char>(bytes[i]))) {
            if (i + 1 == bytes.size()) return true;
            i += 2;
        } else {
            ++i;
        }
    }
    return false;
}

}  // namespace

QString ToUnicode(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (EndsWithLoneLeadByte(bytes)) text += QLatin1Char('?');
    return text;
}

QByteArray FromUnicode(const QString& text) {
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    return encoder(text);
}

}  // namespace CodePage

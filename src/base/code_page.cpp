#include "base/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace morvek::base {
namespace {

constexpr const char* kWindows1252 = "windows-1252";

} // namespace

QString DecodeLatin1(QByteArrayView bytes) {
    return QString::fromLatin1(bytes);
}

QByteArray EncodeLatin1(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        bytes[i] = c <= 0xFF ? static_cast<char>(c) : '?';
    }
    return bytes;
}

std::optional<QString> DecodeWindows1252(QByteArrayView bytes) {
    QStringDecoder decoder(kWindows1252);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    return QString(decoder.decode(bytes));
}

std::optional<QByteArray> EncodeWindows1252(QStringView text) {
    QStringEncoder encoder(kWindows1252);
    if (!encoder.isValid()) {
        return std::nullopt;
    }
    return QByteArray(encoder.encode(text));
}

} // namespace morvek::base

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
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) {
        return bytes;
    }
    // The codec substitutes 0x1A for characters it cannot map; Windows writes "?" there, and
    // the bytes must match what a Windows workstation writes. So encode one code point at a
    // time, each with an encoder of its own (resetState keeps the error flag).
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        QStringEncoder single(kWindows1252);
        const QByteArray one = single.encode(text.mid(i, length));
        bytes += single.hasError() ? QByteArray(1, '?') : one;
        i += length;
    }
    return bytes;
}

} // namespace morvek::base

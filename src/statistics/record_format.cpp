#include "statistics/record_format.h"

#include "base/code_page.h"

#include <QtEndian>
#include <bit>

namespace morvek::statistics {
namespace {

constexpr QByteArrayView kMarker("STATISTIK_KENNUNG");
constexpr QByteArrayView kKey("quirt_bawnos");
constexpr char kTimeLength = 8;
constexpr char kTimeTakenLength = 2;

QByteArray ApplyKey(QByteArrayView text, int sign) {
    QByteArray result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int key = static_cast<unsigned char>(kKey[i % kKey.size()]);
        result[i] = static_cast<char>((static_cast<unsigned char>(text[i]) + sign * key) & 0xFF);
    }
    return result;
}

void AppendField(QByteArray& record, QByteArrayView bytes) {
    record += static_cast<char>(bytes.size());
    record += bytes;
}

} // namespace

QByteArray StatisticsHeader() {
    QByteArray header;
    AppendField(header, kMarker);
    return header;
}

bool IsMarkerPrefix(QByteArrayView marker) {
    return kMarker.startsWith(marker);
}

QByteArray ScrambleText(QByteArrayView plain) {
    return ApplyKey(plain, 1);
}

QByteArray UnscrambleText(QByteArrayView scrambled) {
    return ApplyKey(scrambled, -1);
}

// Without the codec, ISO 8859-1 is the nearest code page: it differs only in 0x80 to 0x9F.
QByteArray AnsiBytes(QStringView text) {
    std::optional<QByteArray> bytes = base::EncodeWindows1252(text);
    return (bytes ? *bytes : base::EncodeLatin1(text)).left(kMaxTextBytes);
}

QString AnsiText(QByteArrayView bytes) {
    const std::optional<QString> text = base::DecodeWindows1252(bytes);
    return text ? *text : base::DecodeLatin1(bytes);
}

QByteArray EncodeCallRecord(double time, QStringView user, QStringView page) {
    const QByteArray userBytes = ScrambleText(AnsiBytes(user));
    const QByteArray pageBytes = ScrambleText(AnsiBytes(page));
    QByteArray record;
    record.reserve(15 + userBytes.size() + pageBytes.size());
    record += kRecordKind;
    record += kTimeLength;
    char timeBytes[kTimeLength];
    qToLittleEndian(std::bit_cast<quint64>(time), timeBytes);
    record += QByteArrayView(timeBytes, kTimeLength);
    AppendField(record, userBytes);
    AppendField(record, pageBytes);
    record += kTimeTakenLength;
    record += QByteArray(kTimeTakenLength, '\0');
    return record;
}

void StampTimeTaken(QByteArray& record, quint16 milliseconds) {
    qToLittleEndian(milliseconds, record.data() + record.size() - kTimeTakenLength);
}

} // namespace morvek::statistics

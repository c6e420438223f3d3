#include "statistics/statistics_reader.h"

#include "statistics/record_format.h"

#include <QtEndian>
#include <bit>
#include <limits>
#include <optional>

namespace morvek::statistics {
namespace {

std::optional<QByteArray> ReadBytes(QIODevice& file, qint64 count) {
    QByteArray bytes = file.read(count);
    if (bytes.size() != count) {
        return std::nullopt;
    }
    return bytes;
}

// A length byte and that many bytes.
std::optional<QByteArray> ReadField(QIODevice& file) {
    const std::optional<QByteArray> length = ReadBytes(file, 1);
    if (!length) {
        return std::nullopt;
    }
    return ReadBytes(file, static_cast<unsigned char>(length->at(0)));
}

// A field shorter than 8 bytes holds no complete double: the row shows an invalid date.
double TimeOf(const QByteArray& field) {
    if (field.size() < 8) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::bit_cast<double>(qFromLittleEndian<quint64>(field.constData()));
}

// Missing bytes of a field shorter than 2 bytes count as zero.
quint16 TimeTakenOf(QByteArray field) {
    field.append(2, '\0');
    return qFromLittleEndian<quint16>(field.constData());
}

std::optional<QString> ReadText(QIODevice& file) {
    const std::optional<QByteArray> field = ReadField(file);
    if (!field) {
        return std::nullopt;
    }
    return AnsiText(UnscrambleText(*field));
}

// Fills the row field by field; false when the file ends or is cut short inside the record.
bool ReadRecordFields(QIODevice& file, StatisticsRow& row) {
    std::optional<QString> user = ReadText(file);
    if (!user) {
        return false;
    }
    row.user = *user;
    std::optional<QString> page = ReadText(file);
    if (!page) {
        return false;
    }
    row.page = *page;
    const std::optional<QByteArray> timeTaken = ReadField(file);
    if (!timeTaken) {
        return false;
    }
    row.timeTaken = TimeTakenOf(*timeTaken);
    return true;
}

} // namespace

bool ReadStatisticsHeader(QIODevice& file) {
    const std::optional<QByteArray> marker = ReadField(file);
    return marker && IsMarkerPrefix(*marker);
}

std::vector<StatisticsRow> ReadStatisticsRecords(QIODevice& file) {
    std::vector<StatisticsRow> rows;
    while (ReadBytes(file, 1)) {
        const std::optional<QByteArray> time = ReadField(file);
        if (!time) {
            break;
        }
        StatisticsRow& row = rows.emplace_back();
        row.time = TimeOf(*time);
        if (!ReadRecordFields(file, row)) {
            break;
        }
    }
    return rows;
}

} // namespace morvek::statistics

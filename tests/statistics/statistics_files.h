#pragma once

#include "statistics/record_format.h"
#include "statistics/statistics_row.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QtEndian>
#include <bit>

// Builders for statistics files, field by field, so that tests can cut and damage them.
namespace morvek::statistics::test {

inline const QByteArray kHeader("\x11STATISTIK_KENNUNG", 18);

inline QByteArray Field(const QByteArray& bytes) {
    return char(bytes.size()) + bytes;
}

inline QByteArray TimeBytes(double oleDate) {
    char bytes[8];
    qToLittleEndian(std::bit_cast<quint64>(oleDate), bytes);
    return QByteArray(bytes, 8);
}

inline QByteArray TimeTakenBytes(quint16 milliseconds) {
    return QByteArray(1, char(milliseconds & 0xFF)) + char(milliseconds >> 8);
}

// One record as another workstation writes it.
inline QByteArray Record(double oleDate, const QByteArray& user, const QByteArray& page,
                         quint16 milliseconds = 0) {
    return QByteArray(1, kRecordKind) + Field(TimeBytes(oleDate)) + Field(ScrambleText(user)) +
           Field(ScrambleText(page)) + Field(TimeTakenBytes(milliseconds));
}

// The whole content of a file; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Collects the rows as the viewer's table shows them.
class RecordingTable final : public StatisticsTable {
public:
    void ClearRows() override { rows.clear(); }
    void AddRow(const StatisticsRow& row) override { rows.append(StatisticsRowTexts(row)); }
    QList<QStringList> rows;
};

} // namespace morvek::statistics::test

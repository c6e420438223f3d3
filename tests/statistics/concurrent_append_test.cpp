#include "statistics/aufruf_statistik.h"
#include "statistics_files.h"
#include "support/fake_host.h"
#include "support/fixtures.h"

#include <QProcess>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace morvek::statistics {
namespace {

constexpr int kWriters = 4;
constexpr int kRecordsPerWriter = 60;

QString User(int writer) {
    return QStringLiteral("user%1").arg(writer);
}

// Every row is a whole record of one of the writers, and no record appears twice.
void ExpectWholeRecords(const QList<QStringList>& rows) {
    QSet<QString> seen;
    for (const QStringList& row : rows) {
        ASSERT_EQ(row.size(), ColumnCount);
        EXPECT_NE(row[ColumnDate], QStringLiteral("Invalid DateTime"));
        EXPECT_TRUE(row[ColumnUser].startsWith(u"user")) << row[ColumnUser].toStdString();
        bool isNumber = false;
        EXPECT_LT(row[ColumnPage].toInt(&isNumber), kRecordsPerWriter);
        EXPECT_TRUE(isNumber);
        EXPECT_FALSE(row[ColumnTimeTaken].isEmpty());
        const QString key = row[ColumnUser] + u'/' + row[ColumnPage];
        EXPECT_FALSE(seen.contains(key)) << key.toStdString();
        seen.insert(key);
    }
}

bool AllFinished(const std::vector<std::unique_ptr<QProcess>>& writers) {
    return std::all_of(writers.begin(), writers.end(), [](const auto& writer) {
        writer->waitForFinished(0);
        return writer->state() == QProcess::NotRunning;
    });
}

// Several workstations append to a file that does not exist yet while another one reads it.
TEST(ConcurrentAppend, EveryRecordArrivesWholeAndTheHeaderOnce) {
    morvek::test::FakeHost host;
    morvek::test::TempFiles files;
    const QString path = files.Path(QStringLiteral("stat.bin"));
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(MORVEK_APPEND_HELPER),
                       {path, User(writer), QString::number(kRecordsPerWriter)});
        writers.push_back(std::move(process));
    }
    for (const auto& writer : writers) {
        ASSERT_TRUE(writer->waitForStarted());
    }
    for (const auto& writer : writers) {
        writer->closeWriteChannel();
    }

    test::RecordingTable table;
    CAufrufStatistik reader;
    reader.SetTable(&table);
    reader.SetStatisticsFile(path);
    int reads = 0;
    while (!AllFinished(writers)) {
        const ReadStatus status = reader.ReadStatisticsFile().status;
        ASSERT_TRUE(status == ReadStatus::Read || status == ReadStatus::NotFound);
        ExpectWholeRecords(table.rows);
        ++reads;
        writers.front()->waitForFinished(5);
    }
    EXPECT_GT(reads, 0);
    for (const auto& writer : writers) {
        EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->exitCode(), 0);
    }

    ASSERT_EQ(reader.ReadStatisticsFile().status, ReadStatus::Read);
    ExpectWholeRecords(table.rows);
    EXPECT_EQ(table.rows.size(), kWriters * kRecordsPerWriter);

    const QByteArray bytes = test::FileBytes(path);
    EXPECT_TRUE(bytes.startsWith(test::kHeader));
    EXPECT_EQ(bytes.count(QByteArrayView("STATISTIK_KENNUNG")), 1);
    // user0..user3 (5 bytes) and pages "0".."59" (1 or 2 bytes), nothing in between.
    const qsizetype pageBytes = kWriters * (10 * 1 + (kRecordsPerWriter - 10) * 2);
    EXPECT_EQ(bytes.size(), 18 + kWriters * kRecordsPerWriter * (15 + 5) + pageBytes);
}

} // namespace
} // namespace morvek::statistics

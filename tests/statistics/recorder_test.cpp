#include "statistics/aufruf_statistik.h"
#include "statistics/ole_date.h"
#include "statistics/record_format.h"
#include "statistics/shared_file.h"
#include "statistics_files.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <atomic>
#include <bit>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>

namespace morvek::statistics {
namespace {

double Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return ToOleDate(now.date(), now.time());
}

double TimeAt(const QByteArray& file, qsizetype recordOffset) {
    return std::bit_cast<double>(qFromLittleEndian<quint64>(file.constData() + recordOffset + 2));
}

// Holds the exclusive lock of a statistics file the way another workstation's writer does.
class ForeignWriter final {
public:
    explicit ForeignWriter(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC)) {}
    bool Lock() { return TryLockFile(fd.Get(), F_WRLCK) == 0; }
    void Release() { fd = FileDescriptor(); }

private:
    FileDescriptor fd;
};

class Recording : public testing::Test {
protected:
    Recording() { context.userName = QStringLiteral("MEIER"); }

    // Records the calls and waits for their writers by ending the recorder.
    void RecordCalls(const QString& path, const QStringList& pages) {
        CAufrufStatistik recorder(&context);
        recorder.SetStatisticsFile(path);
        for (const QString& page : pages) {
            recorder.RecordCall(page);
        }
    }

    morvek::test::FakeHost host;
    morvek::test::TempFiles files;
    config::CStartContext context;
};

TEST_F(Recording, FirstRecordCreatesTheFileWithItsHeader) {
    const QString path = files.Path(QStringLiteral("stat.bin"));
    const double before = Now();
    RecordCalls(path, {QStringLiteral("S:\\seite.xml")});
    const double after = Now();

    const QByteArray file = test::FileBytes(path);
    ASSERT_EQ(file.size(), 18 + 15 + 5 + 12);
    const double time = TimeAt(file, 18);
    EXPECT_GE(time, before);
    EXPECT_LE(time, after);
    EXPECT_EQ(file, test::kHeader + EncodeCallRecord(time, u"MEIER", u"S:\\seite.xml"));
    EXPECT_EQ(QDir(files.Path(QString())).entryList(QDir::Hidden | QDir::Files),
              QStringList{QStringLiteral("stat.bin")})
        << "the temporary file of the header is gone";
    EXPECT_TRUE(host.messages.messages.isEmpty());
}

TEST_F(Recording, RecordsAreAppendedToAnExistingFile) {
    const QByteArray existing = test::kHeader + test::Record(41452.5, "x", "y");
    const QString path = files.Write(QStringLiteral("stat.bin"), existing);
    RecordCalls(path, {QString()});
    const QByteArray file = test::FileBytes(path);
    ASSERT_EQ(file.size(), existing.size() + 15 + 5);
    EXPECT_TRUE(file.startsWith(existing));
    EXPECT_EQ(file.mid(existing.size()),
              EncodeCallRecord(TimeAt(file, existing.size()), u"MEIER", u""));
}

TEST_F(Recording, AnEmptyFileGetsNoHeader) {
    const QString path = files.Write(QStringLiteral("stat.bin"), {});
    RecordCalls(path, {QStringLiteral("p")});
    const QByteArray file = test::FileBytes(path);
    EXPECT_EQ(file, EncodeCallRecord(TimeAt(file, 0), u"MEIER", u"p"));
}

TEST_F(Recording, NothingIsRecordedWithoutAPathOrFolder) {
    CAufrufStatistik recorder(&context);
    recorder.RecordCall(QStringLiteral("p"));
    EXPECT_EQ(recorder.CountPendingRecords(), 0);

    RecordCalls(files.Path(QStringLiteral("missing/stat.bin")), {QStringLiteral("p")});
    EXPECT_FALSE(QFile::exists(files.Path(QStringLiteral("missing"))));
    RecordCalls(QStringLiteral("Q:\\stat.bin"), {QStringLiteral("p")});
    EXPECT_TRUE(host.messages.messages.isEmpty());
}

TEST_F(Recording, PortalPathsGoThroughTheDriveMapping) {
    QDir(files.Path(QString())).mkdir(QStringLiteral("stat"));
    host.settings.values.insert(QStringLiteral("Drives/S"), files.Path(QString()));
    RecordCalls(QStringLiteral("S:\\stat\\calls.bin"), {QStringLiteral("p")});
    EXPECT_EQ(test::FileBytes(files.Path(QStringLiteral("stat/calls.bin"))).size(),
              18 + 15 + 5 + 1);
}

TEST_F(Recording, RelativePathsStartAtTheCurrentFolder) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(files.Path(QString())));
    RecordCalls(QStringLiteral("relative.bin"), {QStringLiteral("p")});
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFile::exists(files.Path(QStringLiteral("relative.bin"))));
}

// While another writer holds the file, the records wait; at most 21 are pending, and the
// recorder's end waits for them instead of losing them or leaving them to freed memory.
TEST_F(Recording, AtMost21RecordsWaitAndNoneIsLostAtTheEnd) {
    const QString path = files.Write(QStringLiteral("stat.bin"), test::kHeader);
    ForeignWriter other(path);
    ASSERT_TRUE(other.Lock());
    {
        CAufrufStatistik recorder(&context);
        recorder.SetStatisticsFile(path);
        for (int i = 0; i < 25; ++i) {
            recorder.RecordCall(QString::number(i));
        }
        EXPECT_EQ(recorder.CountPendingRecords(), 21);
        other.Release();
    }
    test::RecordingTable table;
    CAufrufStatistik reader;
    reader.SetTable(&table);
    reader.SetStatisticsFile(path);
    ASSERT_EQ(reader.ReadStatisticsFile().status, ReadStatus::Read);
    QStringList pages;
    for (const QStringList& row : table.rows) {
        pages.append(row[ColumnPage]);
    }
    pages.sort();
    QStringList expected;
    for (int i = 0; i < 21; ++i) {
        expected.append(QString::number(i));
    }
    expected.sort();
    EXPECT_EQ(pages, expected);
}

// A tick count that advances by a fixed step on every call.
class SteppingTicks final : public platform::SystemInfo {
public:
    SteppingTicks(quint32 start, quint32 increment) : next(start), step(increment) {}
    QString LoginName() const override { return {}; }
    QString CreateGuid() const override { return {}; }
    QString TempPath() const override { return {}; }
    quint32 TickCount() const override { return next.fetch_add(step); }
    bool ShiftKeyDown() const override { return false; }

private:
    mutable std::atomic<quint32> next;
    const quint32 step;
};

TEST_F(Recording, TimeTakenIsTheWaitModulo65536) {
    // 0x10110 ms pass across the 32-bit wrap of the tick counter.
    SteppingTicks ticks(0xFFFFFF00u, 0x10110u);
    platform::Host ticking{};
    ticking.system = &ticks;
    const platform::ScopedHost scope(ticking);
    const QString path = files.Path(QStringLiteral("stat.bin"));
    RecordCalls(path, {QStringLiteral("p")});
    EXPECT_EQ(test::FileBytes(path).right(3), QByteArray::fromHex("021001"));
}

} // namespace
} // namespace morvek::statistics

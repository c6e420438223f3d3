#include "base/string_table.h"
#include "statistics/aufruf_statistik.h"
#include "statistics_files.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <limits>

namespace morvek::statistics {
namespace {

using test::Field;
using test::kHeader;
using test::Record;
using test::TimeBytes;

constexpr double kNoon = 41452.5;         // 27.06.2013 12:00:00
constexpr double kEvening = 41452.75;     // 27.06.2013 18:00:00
constexpr double kNextMorning = 41453.25; // 28.06.2013 06:00:00

const char* kNoonText = "27.06.2013 12:00:00";
const char* kEveningText = "27.06.2013 18:00:00";
const char* kNextMorningText = "28.06.2013 06:00:00";

QStringList Row(const char* date, const char* user, const char* page, const char* ms) {
    return {QString::fromUtf8(date), QString::fromUtf8(user), QString::fromUtf8(page),
            QString::fromUtf8(ms)};
}

class StatisticsReading : public testing::Test {
protected:
    ReadResult Read(const QByteArray& bytes) {
        recorder.SetStatisticsFile(files.Write(QStringLiteral("stat.bin"), bytes));
        return recorder.ReadStatisticsFile();
    }

    morvek::test::FakeHost host;
    morvek::test::TempFiles files;
    test::RecordingTable table;
    CAufrufStatistik recorder;

    void SetUp() override { recorder.SetTable(&table); }
};

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QList<QStringList> rows;
};

class ReadableFiles : public StatisticsReading, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadableFiles, GiveTheirRowsNewestFirst) {
    EXPECT_EQ(Read(GetParam().bytes).status, ReadStatus::Read);
    EXPECT_EQ(table.rows, GetParam().rows);
    EXPECT_TRUE(host.messages.messages.isEmpty());
}

const QByteArray kNoonRecord = Record(kNoon, "MEIER", "S:\\a.xml", 7);
const QByteArray kEveningRecord = Record(kEvening, "M\xFCller", "http://x/?a=\"1\",b", 65535);

INSTANTIATE_TEST_SUITE_P(
    StatisticsReading, ReadableFiles,
    testing::Values(
        ReadCase{"HeaderOnly", kHeader, {}},
        ReadCase{"TwoRecordsInFileOrder",
                 kHeader + kNoonRecord + kEveningRecord,
                 {Row(kEveningText, "Müller", "http://x/?a=\"1\",b", "65535"),
                  Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"UnsortedRecordsAreSorted",
                 kHeader + kEveningRecord + Record(kNextMorning, "A", "p", 1) + kNoonRecord,
                 {Row(kNextMorningText, "A", "p", "1"),
                  Row(kEveningText, "Müller", "http://x/?a=\"1\",b", "65535"),
                  Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"LaterRecordOfTheSameSecondFirst",
                 kHeader + Record(kNoon, "first", "p") + Record(kNoon, "second", "p"),
                 {Row(kNoonText, "second", "p", "0"), Row(kNoonText, "first", "p", "0")}},
        ReadCase{"HeaderOfLengthZero",
                 QByteArray(1, '\0') + kNoonRecord,
                 {Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"ShorterMarkerPrefix",
                 QByteArray("\x04STAT") + kNoonRecord,
                 {Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"EmptyTextsAndScrambledZeroBytes",
                 kHeader + Record(kNoon, "", "") + Record(kEvening, "xxxxx\xA1", "\x8F"),
                 {Row(kEveningText, "xxxxx¡", "\u008F", "0"), Row(kNoonText, "", "", "0")}},
        ReadCase{"RecordKindIsIgnored",
                 kHeader + char(7) + kNoonRecord.mid(1),
                 {Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"FieldLengthsComeFromTheFile",
                 kHeader + char(3) + Field(TimeBytes(kNoon) + "xyz") + Field("") +
                     Field(ScrambleText("p")) + Field("\x05\x01\x09\x09\x09\x09"),
                 {Row(kNoonText, "", "p", "261")}},
        ReadCase{"ShortTimeTakenIsPaddedWithZeros",
                 kHeader + char(3) + Field(TimeBytes(kNoon)) + Field("") + Field("") +
                     Field("\x05") + char(3) + Field(TimeBytes(kEvening)) + Field("") + Field("") +
                     Field(""),
                 {Row(kEveningText, "", "", "0"), Row(kNoonText, "", "", "5")}},
        ReadCase{"ShortTimeFieldIsAnInvalidDate",
                 kHeader + char(3) + Field("\x01\x02\x03\x04") + Field("") + Field("") +
                     Field("\x02") + kNoonRecord,
                 {Row(kNoonText, "MEIER", "S:\\a.xml", "7"), Row("Invalid DateTime", "", "", "2")}},
        ReadCase{"InvalidDatesSortAsOldest",
                 kHeader + Record(std::numeric_limits<double>::quiet_NaN(), "nan", "") +
                     kNoonRecord + Record(1e300, "huge", "") + Record(kEvening, "e", ""),
                 {Row(kEveningText, "e", "", "0"), Row(kNoonText, "MEIER", "S:\\a.xml", "7"),
                  Row("Invalid DateTime", "huge", "", "0"),
                  Row("Invalid DateTime", "nan", "", "0")}},
        // A cut record keeps the fields before the cut; the rows before it stay.
        ReadCase{"CutAfterTheRecordKind",
                 kHeader + kNoonRecord + char(3),
                 {Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"CutInsideTheTime",
                 kHeader + kNoonRecord + char(3) + char(8) + TimeBytes(kEvening).left(5),
                 {Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"CutInsideTheUser",
                 kHeader + kNoonRecord + char(3) + Field(TimeBytes(kEvening)) + char(4) + "ab",
                 {Row(kEveningText, "", "", ""), Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"CutInsideThePage",
                 kHeader + kNoonRecord + kEveningRecord.left(kEveningRecord.size() - 6),
                 {Row(kEveningText, "Müller", "", ""), Row(kNoonText, "MEIER", "S:\\a.xml", "7")}},
        ReadCase{"CutInsideTheTimeTaken",
                 kHeader + kNoonRecord + kEveningRecord.chopped(1),
                 {Row(kEveningText, "Müller", "http://x/?a=\"1\",b", ""),
                  Row(kNoonText, "MEIER", "S:\\a.xml", "7")}}),
    [](const testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

struct BadHeaderCase {
    const char* name;
    QByteArray bytes;
};

class FilesWithoutHeader : public StatisticsReading,
                           public testing::WithParamInterface<BadHeaderCase> {};

TEST_P(FilesWithoutHeader, ShowMessage528AndLeaveTheTableEmpty) {
    table.rows.append(Row("old", "row", "of", "before"));
    EXPECT_EQ(Read(GetParam().bytes).status, ReadStatus::NotStatistics);
    EXPECT_TRUE(table.rows.isEmpty());
    EXPECT_EQ(host.messages.messages,
              QStringList{QStringLiteral("Kein Statistikdatei oder Lesefehler.")});
}

INSTANTIATE_TEST_SUITE_P(
    StatisticsReading, FilesWithoutHeader,
    testing::Values(BadHeaderCase{"Empty", {}},
                    BadHeaderCase{"CutMarker", QByteArray("\x11STATIS")},
                    BadHeaderCase{"OtherMarker", QByteArray("\x11STATISTIK_KENNUNX") + kNoonRecord},
                    BadHeaderCase{"LowerCaseMarker", QByteArray("\x04stat")},
                    BadHeaderCase{"MarkerLongerThan17", QByteArray("\x12STATISTIK_KENNUNGS")},
                    // A writer that finds an empty file appends without a header.
                    BadHeaderCase{"RecordsWithoutHeader", kNoonRecord}),
    [](const testing::TestParamInfo<BadHeaderCase>& param) {
        return std::string(param.param.name);
    });

TEST_F(StatisticsReading, MissingFileShowsDateiNichtGefunden) {
    table.rows.append(Row("old", "row", "of", "before"));
    recorder.SetStatisticsFile(files.Path(QStringLiteral("missing.bin")));
    EXPECT_EQ(recorder.ReadStatisticsFile().status, ReadStatus::NotFound);
    EXPECT_TRUE(table.rows.isEmpty());
    EXPECT_EQ(host.messages.messages, QStringList{QStringLiteral("Datei nicht gefunden")});
}

TEST_F(StatisticsReading, UnopenableFileIsSilent) {
    files.Write(QStringLiteral("folder/x"), "");
    recorder.SetStatisticsFile(files.Path(QStringLiteral("folder")));
    const ReadResult result = recorder.ReadStatisticsFile();
    EXPECT_EQ(result.status, ReadStatus::Unreadable);
    EXPECT_EQ(result.errorCode, EISDIR);
    EXPECT_TRUE(host.messages.messages.isEmpty());
}

TEST_F(StatisticsReading, PortalPathsGoThroughTheDriveMapping) {
    files.Write(QStringLiteral("stat/calls.bin"), kHeader + kNoonRecord);
    host.settings.values.insert(QStringLiteral("Drives/S"), files.Path(QString()));
    recorder.SetStatisticsFile(QStringLiteral("s:\\stat\\calls.bin"));
    EXPECT_EQ(recorder.ReadStatisticsFile().status, ReadStatus::Read);
    EXPECT_EQ(table.rows.size(), 1);
}

TEST_F(StatisticsReading, LeavesDatumToSortOldestFirstNext) {
    Read(kHeader + kNoonRecord);
    EXPECT_EQ(recorder.TakeSortDirection(ColumnDate), 1);
    EXPECT_EQ(recorder.TakeSortDirection(ColumnDate), -1);
    for (const int column : {ColumnUser, ColumnPage, ColumnTimeTaken}) {
        EXPECT_EQ(recorder.TakeSortDirection(column), 1);
    }
    Read(kHeader);
    EXPECT_EQ(recorder.TakeSortDirection(ColumnDate), 1);
    EXPECT_EQ(recorder.TakeSortDirection(ColumnUser), 1);
}

} // namespace
} // namespace morvek::statistics

#include "statistics/ole_date.h"
#include "statistics/record_format.h"
#include "statistics_files.h"
#include "support/printers.h"

#include <QDate>
#include <QTime>
#include <gtest/gtest.h>
#include <limits>

namespace morvek::statistics {
namespace {

TEST(RecordFormat, HeaderIsTheLengthByteAndTheMarker) {
    EXPECT_EQ(StatisticsHeader(), QByteArray("\x11STATISTIK_KENNUNG"));
    EXPECT_EQ(StatisticsHeader().size(), 18);
}

TEST(RecordFormat, RecordHasTheExactBytesOtherWorkstationsWrite) {
    // 27.06.2013 12:00:00; "Müller€" in Windows-1252 and the page, each scrambled with the key.
    const QByteArray expected = QByteArray::fromHex("0308"
                                                    "00000000903DE440"
                                                    "07"
                                                    "BE71D5DED9D1E2"
                                                    "08"
                                                    "C4AFC5D3A2D7CFCD"
                                                    "020000");
    EXPECT_EQ(EncodeCallRecord(41452.5, u"Müller€", u"S:\\a.xml"), expected);
}

TEST(RecordFormat, EmptyTextsGiveAFifteenByteRecord) {
    const QByteArray record = EncodeCallRecord(0, u"", u"");
    EXPECT_EQ(record, QByteArray::fromHex("0308"
                                          "0000000000000000"
                                          "00"
                                          "00"
                                          "020000"));
}

TEST(RecordFormat, TimeTakenIsLittleEndianInTheLastTwoBytes) {
    QByteArray record = EncodeCallRecord(0, u"a", u"b");
    StampTimeTaken(record, 0x1234);
    EXPECT_EQ(record.right(3), QByteArray::fromHex("023412"));
}

TEST(RecordFormat, ScramblingWrapsAroundAndRestartsTheKeyForEachField) {
    // Key "quirt_bawnos": byte 5 is '_' (0x5F), so 0xA1 scrambles to 0; byte 12 uses key[0].
    const QByteArray plain = QByteArray::fromHex("0000000000A1FFFFFFFFFFFF41");
    const QByteArray scrambled = ScrambleText(plain);
    EXPECT_EQ(scrambled, QByteArray::fromHex("7175697274006160766D6E72B2"));
    EXPECT_EQ(UnscrambleText(scrambled), plain);
}

TEST(RecordFormat, AnsiTextsUseWindows1252AndAreCutTo255Bytes) {
    EXPECT_EQ(AnsiBytes(u"€äz"), QByteArray("\x80\xE4z"));
    // Windows writes its default character for what the code page cannot hold.
    EXPECT_EQ(AnsiBytes(u"a中b\U0001F600c"), QByteArray("a?b?c"));
    EXPECT_EQ(AnsiBytes(QString(300, u'x')).size(), kMaxTextBytes);
    EXPECT_EQ(AnsiText(QByteArray("\x80\x81\xE4")), QStringLiteral("€\u0081ä"));
}

TEST(RecordFormat, MarkerPrefixes) {
    EXPECT_TRUE(IsMarkerPrefix(""));
    EXPECT_TRUE(IsMarkerPrefix("STAT"));
    EXPECT_TRUE(IsMarkerPrefix("STATISTIK_KENNUNG"));
    EXPECT_FALSE(IsMarkerPrefix("STATISTIK_KENNUNGX"));
    EXPECT_FALSE(IsMarkerPrefix("stat"));
}

struct OleDateCase {
    QDate date;
    QTime time;
    double oleDate;
    const char* text;
};

class OleDates : public testing::TestWithParam<OleDateCase> {};

TEST_P(OleDates, ConvertBothWays) {
    const OleDateCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ToOleDate(c.date, c.time), c.oleDate);
    EXPECT_EQ(FormatOleDate(c.oleDate), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    RecordFormat, OleDates,
    testing::Values(
        OleDateCase{{2013, 6, 27}, {12, 0}, 41452.5, "27.06.2013 12:00:00"},
        OleDateCase{{1899, 12, 30}, {0, 0}, 0.0, "30.12.1899 00:00:00"},
        OleDateCase{{1899, 12, 29}, {6, 0}, -1.25, "29.12.1899 06:00:00"},
        OleDateCase{{2024, 2, 29}, {23, 59, 59}, 45351 + 86399.0 / 86400, "29.02.2024 23:59:59"},
        OleDateCase{{100, 1, 1}, {0, 0}, -657434.0, "01.01.0100 00:00:00"},
        OleDateCase{{9999, 12, 31}, {0, 0}, 2958465.0, "31.12.9999 00:00:00"}));

TEST(RecordFormat, ToOleDateKeepsWholeSeconds) {
    EXPECT_DOUBLE_EQ(ToOleDate({2013, 6, 27}, {12, 0, 0, 999}), 41452.5);
}

TEST(RecordFormat, ValuesThatNameNoDateAreInvalid) {
    for (const double value :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -657435.0, 2958466.0, 1e300}) {
        EXPECT_FALSE(IsValidOleDate(value)) << value;
        EXPECT_EQ(FormatOleDate(value), QStringLiteral("Invalid DateTime")) << value;
    }
}

TEST(RecordFormat, FormattingRoundsToTheNearestSecond) {
    EXPECT_EQ(FormatOleDate(41452.5 + 0.6 / 86400), QStringLiteral("27.06.2013 12:00:01"));
    EXPECT_EQ(FormatOleDate(41452.0 - 0.2 / 86400), QStringLiteral("27.06.2013 00:00:00"));
    EXPECT_EQ(FormatOleDate(41452.0 - 0.6 / 86400), QStringLiteral("26.06.2013 23:59:59"));
}

} // namespace
} // namespace morvek::statistics

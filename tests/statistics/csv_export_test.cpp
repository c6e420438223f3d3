#include "statistics/csv_export.h"
#include "statistics/statistics_row.h"
#include "statistics_files.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QBuffer>
#include <cerrno>
#include <gtest/gtest.h>

namespace morvek::statistics {
namespace {

const QList<QStringList> kRows{
    {QStringLiteral("27.06.2013 12:00:00"), QStringLiteral("Jäger"),
     QStringLiteral("S:\\a \"b\", c.xml"), QStringLiteral("7")},
    {QStringLiteral("26.06.2013 08:30:00"), QString(), QString(), QStringLiteral("0")},
};

const QByteArray kCsv("\"Datum\",\"User\",\"Seite\",\"Zeit in Millisekunden\"\r\n"
                      "\"27.06.2013 12:00:00\",\"J\xE4ger\",\"S:\\a \"b\", c.xml\",\"7\"\r\n"
                      "\"26.06.2013 08:30:00\",\"\",\"\",\"0\"\r\n");

TEST(CsvExport, WritesQuotedFieldsCommasCrLfAndLatin1) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_EQ(WriteCsv(out, StatisticsColumnHeadings(), kRows), 0);
    EXPECT_EQ(out.data(), kCsv);
}

TEST(CsvExport, AnEmptyTableGivesTheHeaderLineOnly) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_EQ(WriteCsv(out, {QStringLiteral("Seite"), QStringLiteral("Datum")}, {}), 0);
    EXPECT_EQ(out.data(), QByteArray("\"Seite\",\"Datum\"\r\n"));
}

TEST(CsvExport, HeadingsAreCutTo99Characters) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    WriteCsv(out, {QString(120, u'h')}, {{QString(120, u'c')}});
    EXPECT_EQ(out.data(), '"' + QByteArray(99, 'h') + "\"\r\n\"" + QByteArray(120, 'c') + "\"\r\n");
}

TEST(CsvExport, ACharacterBeyondLatin1StopsAtItsLineAndKeepsTheLinesBefore) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const QList<QStringList> rows{kRows[0], {QStringLiteral("€")}, kRows[1]};
    EXPECT_EQ(WriteCsv(out, StatisticsColumnHeadings(), rows), EILSEQ);
    EXPECT_EQ(out.data(), kCsv.left(kCsv.indexOf("\"26.06")));
}

class CsvFileExport : public testing::Test {
protected:
    morvek::test::FakeHost host;
    morvek::test::TempFiles files;
};

TEST_F(CsvFileExport, ReplacesAnExistingFile) {
    const QString path = files.Write(QStringLiteral("out.csv"), QByteArray(4000, 'x'));
    EXPECT_TRUE(ExportCsvFile(path, StatisticsColumnHeadings(), kRows));
    EXPECT_EQ(test::FileBytes(path), kCsv);
    EXPECT_TRUE(host.messages.messages.isEmpty());
}

TEST_F(CsvFileExport, ReportsItsErrors) {
    EXPECT_FALSE(ExportCsvFile(QString(), StatisticsColumnHeadings(), kRows));
    const QString missingFolder = files.Path(QStringLiteral("missing/out.csv"));
    EXPECT_FALSE(ExportCsvFile(missingFolder, StatisticsColumnHeadings(), kRows));
    const QString path = files.Path(QStringLiteral("out.csv"));
    EXPECT_FALSE(
        ExportCsvFile(path, StatisticsColumnHeadings(), {kRows[0], {QStringLiteral("€")}}));
    EXPECT_EQ(
        host.messages.messages,
        (QStringList{QStringLiteral("Keine Speicherdatei angegeben"),
                     missingFolder + u" wurde nicht gefunden.",
                     u"Beim Zugriff auf " + path + u" ist ein unbekannter Fehler aufgetreten."}));
    EXPECT_EQ(test::FileBytes(path), kCsv.left(kCsv.indexOf("\"26.06")));
}

} // namespace
} // namespace morvek::statistics

#include "statistics_files.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

namespace morvek::statistics {
namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun RunTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(MORVEK_STATS_TOOL), arguments);
    tool.waitForFinished();
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            tool.readAllStandardOutput(), tool.readAllStandardError()};
}

const QByteArray kCsv("\"Datum\",\"User\",\"Seite\",\"Zeit in Millisekunden\"\r\n"
                      "\"28.06.2013 06:00:00\",\"M\xFCller\",\"S:\\b.xml\",\"65535\"\r\n"
                      "\"27.06.2013 12:00:00\",\"MEIER\",\"http://x/?q=\"1\",2\",\"7\"\r\n");

class MorvekStats : public testing::Test {
protected:
    QString WriteStatistics() {
        return files.Write(QStringLiteral("stat.bin"),
                           test::kHeader +
                               test::Record(41452.5, "MEIER", "http://x/?q=\"1\",2", 7) +
                               test::Record(41453.25, "M\xFCller", "S:\\b.xml", 65535));
    }
    morvek::test::TempFiles files;
};

TEST_F(MorvekStats, WritesTheTableNewestFirstToStandardOutput) {
    const ToolRun run = RunTool({WriteStatistics()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kCsv);
    EXPECT_EQ(run.err, QByteArray());
}

TEST_F(MorvekStats, WritesTheCsvFile) {
    const QString csv = files.Path(QStringLiteral("calls.csv"));
    const ToolRun run = RunTool({WriteStatistics(), csv});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_EQ(test::FileBytes(csv), kCsv);
}

TEST_F(MorvekStats, ACutFileGivesTheRowsReadSoFar) {
    const QByteArray full = test::kHeader + test::Record(41452.5, "A", "p", 3);
    const QString path = files.Write(QStringLiteral("cut.bin"), full + full.mid(18).chopped(4));
    const ToolRun run = RunTool({path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("\"Datum\",\"User\",\"Seite\",\"Zeit in Millisekunden\"\r\n"
                                  "\"27.06.2013 12:00:00\",\"A\",\"\",\"\"\r\n"
                                  "\"27.06.2013 12:00:00\",\"A\",\"p\",\"3\"\r\n"));
}

struct FailureCase {
    const char* name;
    std::optional<QByteArray> contents; // of "x.bin"; none: no such file
    const char* message;
};

class MorvekStatsFailures : public MorvekStats, public testing::WithParamInterface<FailureCase> {};

TEST_P(MorvekStatsFailures, PrintTheMessageAndExit1) {
    const std::optional<QByteArray>& contents = GetParam().contents;
    const QString path = contents ? files.Write(QStringLiteral("x.bin"), *contents)
                                  : files.Path(QStringLiteral("x.bin"));
    const ToolRun run = RunTool({path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_EQ(QString::fromUtf8(run.err), QString::fromUtf8(GetParam().message) + u'\n');
}

INSTANTIATE_TEST_SUITE_P(
    MorvekStats, MorvekStatsFailures,
    testing::Values(FailureCase{"Missing", std::nullopt, "Datei nicht gefunden"},
                    FailureCase{"NoHeader", QByteArray("\x11STATISTIK_KENNUNX"),
                                "Kein Statistikdatei oder Lesefehler."}),
    [](const testing::TestParamInfo<FailureCase>& param) { return std::string(param.param.name); });

TEST_F(MorvekStats, AFileItCannotOpenIsAnError) {
    const ToolRun run = RunTool({files.Path(QString())});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.endsWith(" ist ein Verzeichnis und keine Datei.\n"))
        << run.err.toStdString();
}

TEST_F(MorvekStats, ACsvFileItCannotWriteIsAnError) {
    const ToolRun run = RunTool({WriteStatistics(), files.Path(QStringLiteral("missing/x.csv"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.endsWith(" wurde nicht gefunden.\n")) << run.err.toStdString();
}

TEST_F(MorvekStats, WrongArgumentsShowTheUsage) {
    const ToolRun run = RunTool({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("Aufruf: morvek-stats STATFILE [CSVFILE]"));
}

} // namespace
} // namespace morvek::statistics

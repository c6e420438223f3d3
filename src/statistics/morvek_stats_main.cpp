// morvek-stats STATFILE [CSVFILE]: reads a statistics file as the viewer does and writes its
// table, newest first, as CSV to CSVFILE or standard output. Messages go to standard error;
// any of them makes the exit code 1.

#include "platform/file_access.h"
#include "platform/host.h"
#include "statistics/aufruf_statistik.h"
#include "statistics/csv_export.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

using namespace morvek;

class CsvRows final : public statistics::StatisticsTable {
public:
    void ClearRows() override { rows.clear(); }
    void AddRow(const statistics::StatisticsRow& row) override {
        rows.append(statistics::StatisticsRowTexts(row));
    }
    QList<QStringList> rows;
};

void ShowMessage(const QString& text) {
    platform::CurrentHost().messages->ShowMessage(text);
}

bool WriteToStandardOutput(const QList<QStringList>& rows) {
    QFile out;
    int error = EIO;
    if (out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = statistics::WriteCsv(out, statistics::StatisticsColumnHeadings(), rows);
    }
    if (error != 0) {
        ShowMessage(platform::FileErrorText(error, QStringLiteral("Standardausgabe")));
        return false;
    }
    return true;
}

// The viewer stays silent when the file cannot be opened; a report run must not pass that
// off as an empty statistics.
bool ReadTable(const QString& statisticsFile, CsvRows& table) {
    statistics::CAufrufStatistik reader;
    reader.SetTable(&table);
    reader.SetStatisticsFile(statisticsFile);
    const statistics::ReadResult result = reader.ReadStatisticsFile();
    if (result.status == statistics::ReadStatus::Unreadable) {
        ShowMessage(platform::FileErrorText(result.errorCode, statisticsFile));
    }
    return result.status == statistics::ReadStatus::Read;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fputs("Aufruf: morvek-stats STATFILE [CSVFILE]\n", stderr);
        return 2;
    }
    CsvRows table;
    if (!ReadTable(arguments[1], table)) {
        return 1;
    }
    const bool written = arguments.size() == 3
                             ? statistics::ExportCsvFile(
                                   arguments[2], statistics::StatisticsColumnHeadings(), table.rows)
                             : WriteToStandardOutput(table.rows);
    return written ? 0 : 1;
}

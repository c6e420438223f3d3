#pragma once

#include "config/start_context.h"
#include "config/statistics_target.h"
#include "statistics/aufruf_statistik_daten.h"
#include "statistics/statistics_row.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace morvek::statistics {

enum class ReadStatus {
    Read,          // the table holds the records (all of them, or those before a damage)
    NotFound,      // "Datei nicht gefunden" was shown
    NotStatistics, // message 528 was shown
    Unreadable,    // the file could not be opened or stayed locked; nothing was shown
};

struct ReadResult {
    ReadStatus status = ReadStatus::Read;
    int errorCode = 0; // the errno value for Unreadable
};

// The call-statistics recorder: appends one record per page call to the shared statistics
// file, each on a worker thread of its own, and reads such a file into a table.
class CAufrufStatistik final : public config::StatisticsFileTarget {
public:
    // Owned records whose writer was started and that were not deleted yet; destroying the
    // array waits for their writers.
    using CThreadArray = std::vector<std::unique_ptr<CAufrufStatistikDaten>>;

    // The context (not owned; null for a recorder that only reads) gives each record its
    // user name.
    explicit CAufrufStatistik(const config::CStartContext* context = nullptr);
    // Waits for the records still being written, so that none is lost.
    ~CAufrufStatistik() override;
    CAufrufStatistik(const CAufrufStatistik&) = delete;
    CAufrufStatistik& operator=(const CAufrufStatistik&) = delete;

    void SetStatisticsFile(const QString& path) override;
    const QString& StatisticsFile() const { return filePath; }
    // The table that reading fills (not owned).
    void SetTable(StatisticsTable* target) { table = target; }

    // Starts writing one record of the page and returns at once. Nothing is recorded while
    // the file path is empty or more than 20 records are still being written.
    void RecordCall(const QString& page);
    // Deletes the finished records; returns how many are still being written.
    int CountPendingRecords();

    // Empties the table and fills it from the file, newest first.
    ReadResult ReadStatisticsFile();
    // The direction (+1 or -1) to sort the column by next; reverses it for the time after.
    int TakeSortDirection(int column);

private:
    void AddRows(const std::vector<StatisticsRow>& rows);

    const config::CStartContext* startContext;
    QString filePath;
    StatisticsTable* table = nullptr;
    std::array<int, ColumnCount> sortDirections{-1, 1, 1, 1};
    CThreadArray pendingRecords;
};

} // namespace morvek::statistics

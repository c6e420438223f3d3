#include "statistics/aufruf_statistik.h"

#include "base/string_table.h"
#include "platform/file_access.h"
#include "platform/host.h"
#include "statistics/ole_date.h"
#include "statistics/shared_file.h"
#include "statistics/statistics_reader.h"

#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>

namespace morvek::statistics {
namespace {

constexpr int kMaxPendingRecords = 21;

void ShowMessage(const QString& text) {
    platform::CurrentHost().messages->ShowMessage(text);
}

double CurrentOleDate() {
    const QDateTime now = QDateTime::currentDateTime();
    return ToOleDate(now.date(), now.time());
}

} // namespace

CAufrufStatistik::CAufrufStatistik(const config::CStartContext* context) : startContext(context) {}

CAufrufStatistik::~CAufrufStatistik() = default;

void CAufrufStatistik::SetStatisticsFile(const QString& path) {
    filePath = path;
}

void CAufrufStatistik::RecordCall(const QString& page) {
    if (filePath.isEmpty() || CountPendingRecords() >= kMaxPendingRecords) {
        return;
    }
    auto record = std::make_unique<CAufrufStatistikDaten>(
        filePath, startContext ? startContext->userName : QString(), CurrentOleDate(), page);
    try {
        record->StartWriter();
    } catch (const std::system_error&) {
        return;
    }
    pendingRecords.push_back(std::move(record));
}

int CAufrufStatistik::CountPendingRecords() {
    std::erase_if(pendingRecords, [](const auto& record) { return record->IsFinished(); });
    return static_cast<int>(pendingRecords.size());
}

// A writer holds its lock only while it appends one record, so the reader waits for it
// rather than show an empty table.
ReadResult CAufrufStatistik::ReadStatisticsFile() {
    if (table) {
        table->ClearRows();
    }
    sortDirections = {-1, 1, 1, 1};
    QFile file;
    if (const int error = platform::OpenPortalFile(filePath, QIODevice::ReadOnly, file)) {
        if (error == ENOENT) {
            ShowMessage(QStringLiteral("Datei nicht gefunden"));
            return {ReadStatus::NotFound, error};
        }
        return {ReadStatus::Unreadable, error};
    }
    if (const int error = WaitForLock(file.handle(), F_RDLCK)) {
        return {ReadStatus::Unreadable, error};
    }
    if (!ReadStatisticsHeader(file)) {
        ShowMessage(base::LoadString(base::IDS_NO_STATISTICS_FILE));
        return {ReadStatus::NotStatistics, 0};
    }
    std::vector<StatisticsRow> rows = ReadStatisticsRecords(file);
    file.close();
    // Within one second the later record of the file is the newer call.
    std::reverse(rows.begin(), rows.end());
    SortStatisticsRows(rows, ColumnDate, TakeSortDirection(ColumnDate));
    AddRows(rows);
    return {};
}

int CAufrufStatistik::TakeSortDirection(int column) {
    const int direction = sortDirections[column];
    sortDirections[column] = -direction;
    return direction;
}

void CAufrufStatistik::AddRows(const std::vector<StatisticsRow>& rows) {
    if (!table) {
        return;
    }
    for (const StatisticsRow& row : rows) {
        table->AddRow(row);
    }
}

} // namespace morvek::statistics

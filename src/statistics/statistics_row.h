#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace morvek::statistics {

// The columns of the statistics table in the order of insertion.
enum StatisticsColumn : int {
    ColumnDate = 0,
    ColumnUser = 1,
    ColumnPage = 2,
    ColumnTimeTaken = 3,
    ColumnCount = 4,
};

// "Datum", "User", "Seite", "Zeit in Millisekunden".
QStringList StatisticsColumnHeadings();

// One record read back from a statistics file. The last row of a file cut inside a record
// holds only the fields before the cut.
struct StatisticsRow {
    double time = 0; // OLE Automation date; NaN when the file held no complete double
    QString user;
    QString page;
    std::optional<quint16> timeTaken;
};

// The cells as the table shows them: date, user, page, time taken ("%u").
QStringList StatisticsRowTexts(const StatisticsRow& row);

// Negative, zero or positive as `a` comes before, with or after `b` in ascending order of the
// column: times by value (invalid ones first), texts folding ASCII letters only, time taken
// by value (missing first).
int CompareStatisticsRows(const StatisticsRow& a, const StatisticsRow& b, int column);

// Sorts by the column, ascending for direction +1 and descending for -1; rows that compare
// equal keep their order.
void SortStatisticsRows(std::vector<StatisticsRow>& rows, int column, int direction);

// The table that reading fills: the viewer's list, the tool's CSV.
class StatisticsTable {
public:
    virtual ~StatisticsTable() = default;
    // Removes every row and its data.
    virtual void ClearRows() = 0;
    virtual void AddRow(const StatisticsRow& row) = 0;
};

} // namespace morvek::statistics

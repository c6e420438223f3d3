#include "statistics/statistics_row.h"

#include "base/ascii.h"
#include "statistics/ole_date.h"

#include <algorithm>

namespace morvek::statistics {
namespace {

template <typename T>
int Sign(const T& a, const T& b) {
    return (b < a) - (a < b);
}

// Invalid times (NaN among them) must still order strictly, or sorting breaks.
int CompareTimes(double a, double b) {
    const bool validA = IsValidOleDate(a);
    const bool validB = IsValidOleDate(b);
    if (!validA || !validB) {
        return Sign(validA, validB);
    }
    return Sign(a, b);
}

int CompareTexts(const QString& a, const QString& b) {
    return base::ToUpperAscii(a).compare(base::ToUpperAscii(b));
}

int TimeTakenKey(const StatisticsRow& row) {
    return row.timeTaken ? int{*row.timeTaken} : -1;
}

} // namespace

QStringList StatisticsColumnHeadings() {
    return {QStringLiteral("Datum"), QStringLiteral("User"), QStringLiteral("Seite"),
            QStringLiteral("Zeit in Millisekunden")};
}

QStringList StatisticsRowTexts(const StatisticsRow& row) {
    return {FormatOleDate(row.time), row.user, row.page,
            row.timeTaken ? QString::number(*row.timeTaken) : QString()};
}

int CompareStatisticsRows(const StatisticsRow& a, const StatisticsRow& b, int column) {
    switch (column) {
    case ColumnDate:
        return CompareTimes(a.time, b.time);
    case ColumnUser:
        return CompareTexts(a.user, b.user);
    case ColumnPage:
        return CompareTexts(a.page, b.page);
    default:
        return Sign(TimeTakenKey(a), TimeTakenKey(b));
    }
}

void SortStatisticsRows(std::vector<StatisticsRow>& rows, int column, int direction) {
    std::stable_sort(rows.begin(), rows.end(),
                     [column, direction](const StatisticsRow& a, const StatisticsRow& b) {
                         return direction * CompareStatisticsRows(a, b, column) < 0;
                     });
}

} // namespace morvek::statistics

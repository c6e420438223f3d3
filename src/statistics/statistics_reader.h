#pragma once

#include "statistics/statistics_row.h"

#include <QIODevice>
#include <vector>

// Reading a statistics file. Every field but the record kind is preceded by its length byte,
// and the lengths are taken from the file.
namespace morvek::statistics {

// Reads a length byte n and n bytes; valid when both arrive whole and the n bytes are the
// first n bytes of the marker ("STATISTIK_KENNUNG"; n = 0 counts as well).
bool ReadStatisticsHeader(QIODevice& file);

// Reads records from the current position to the end of the file. A field cut short ends the
// reading; the record it belongs to still yields a row once its time field has been read.
std::vector<StatisticsRow> ReadStatisticsRecords(QIODevice& file);

} // namespace morvek::statistics

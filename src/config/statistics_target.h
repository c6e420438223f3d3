#pragma once

#include <QString>

namespace morvek::config {

// Receives the statistics file named by the global file; the call-statistics recorder
// implements it, and recording starts with the first path it gets.
class StatisticsFileTarget {
public:
    virtual ~StatisticsFileTarget() = default;
    virtual void SetStatisticsFile(const QString& path) = 0;
};

} // namespace morvek::config

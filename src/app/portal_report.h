#pragma once

#include <QTextStream>

namespace morvek::config {
class StatisticsFileTarget;
}

namespace morvek::app {

class CMorvekDoc;

// Writes what a user sees of the opened portal: the start context, the applied environment
// sections, the variables, the extensions, the rights, and every area with its tree (each
// tree is loaded for it). statisticsFile is the file the global file named, or empty.
void WritePortalReport(CMorvekDoc& document, const QString& statisticsFile, QTextStream& out);

} // namespace morvek::app

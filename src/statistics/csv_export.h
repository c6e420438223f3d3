#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

// Tables saved as CSV: every field of the header and of each row in double quotes (a quote
// inside a text stays as it is), separated by commas, each line ended by CR LF, ISO 8859-1.
namespace morvek::statistics {

// Writes the header line (headings cut to 99 characters) and the rows, each line as soon as
// it is complete. Returns 0, or the error code of the first line that could not be written
// (EILSEQ for a character outside ISO 8859-1); the lines before it stay written.
int WriteCsv(QIODevice& out, const QStringList& header, const QList<QStringList>& rows);

// Creates or replaces the file and writes the CSV into it. An empty path shows message 529,
// a file that cannot be created or written the platform's file-error message naming it.
// Returns false when the CSV was not written completely.
bool ExportCsvFile(const QString& path, const QStringList& header, const QList<QStringList>& rows);

} // namespace morvek::statistics

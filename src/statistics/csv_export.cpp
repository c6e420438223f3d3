#include "statistics/csv_export.h"

#include "base/code_page.h"
#include "base/string_table.h"
#include "platform/file_access.h"
#include "platform/host.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <optional>

namespace morvek::statistics {
namespace {

constexpr qsizetype kMaxHeadingLength = 99;

QString CsvLine(const QStringList& fields) {
    QString line;
    for (const QString& field : fields) {
        line += u'"' + field + u"\",";
    }
    line.chop(1);
    return line + u"\r\n";
}

bool IsLatin1(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// Returns 0 or the error code; errno names the cause of a failed write on an unbuffered file.
int WriteLine(QIODevice& out, const QString& line) {
    if (!IsLatin1(line)) {
        return EILSEQ;
    }
    const QByteArray bytes = base::EncodeLatin1(line);
    errno = 0;
    if (out.write(bytes) != bytes.size()) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

} // namespace

int WriteCsv(QIODevice& out, const QStringList& header, const QList<QStringList>& rows) {
    QStringList headings;
    for (const QString& heading : header) {
        headings.append(heading.left(kMaxHeadingLength));
    }
    if (const int error = WriteLine(out, CsvLine(headings))) {
        return error;
    }
    for (const QStringList& row : rows) {
        if (const int error = WriteLine(out, CsvLine(row))) {
            return error;
        }
    }
    return 0;
}

bool ExportCsvFile(const QString& path, const QStringList& header, const QList<QStringList>& rows) {
    if (path.isEmpty()) {
        platform::CurrentHost().messages->ShowMessage(base::LoadString(base::IDS_NO_SAVE_FILE));
        return false;
    }
    QFile file;
    int error = platform::OpenPortalFile(
        path, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered, file);
    if (error == 0) {
        error = WriteCsv(file, header, rows);
    }
    if (error != 0) {
        platform::ReportFileError(error, path);
        return false;
    }
    return true;
}

} // namespace morvek::statistics

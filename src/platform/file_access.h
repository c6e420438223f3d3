#pragma once

#include <QFile>
#include <QString>

namespace morvek::platform {

// Opens a portal path (mapped to the host) with the given mode. Returns 0 on success, else
// the errno value of the cause (ENOENT for a path that names no file on this host).
int OpenPortalFile(const QString& portalPath, QIODevice::OpenMode mode, QFile& file);

// The platform's German text for a file error, e.g. "%1 wurde nicht gefunden.".
QString FileErrorText(int errorCode, const QString& fileName);

// Shows FileErrorText through the installed message sink.
void ReportFileError(int errorCode, const QString& fileName);

} // namespace morvek::platform

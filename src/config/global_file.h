#pragma once

#include <QString>

namespace morvek::config {

struct CPortal;
struct CStartContext;

// The name that chooses the environment sections: the server when the start file lies on
// one, otherwise the drive type ("REMOVABLE", "CDROM", "RAMDISK", or empty for a hard disk).
QString EnvironmentSelector(const CStartContext& context);

// Reads the global file: its extension list, the environment sections chosen for the start
// location, the rights and the statistics file, in file order. False when the file could not
// be read (the reader has reported it); nothing of it is applied then.
bool LoadGlobalFile(CPortal& portal, const QString& path);

} // namespace morvek::config

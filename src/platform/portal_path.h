#pragma once

#include <QString>

// Splitting of portal paths. "/" counts as a separator beside "\".
namespace morvek::platform {

struct CPathParts {
    QString drive;        // "X:" or empty
    QString folder;       // with leading and trailing separator, or empty
    QString name;         // file name without extension
    QString extension;    // with its dot, or empty
    QString serverName;   // host of the network path (not upper-cased), or empty
    QString driveMapping; // network path the drive letter is connected to, or empty
};

CPathParts SplitPath(const QString& path);
// Drive followed by folder; ends with a separator when there is a folder part.
QString FolderOfPath(const QString& path);
// Name followed by extension.
QString FileNameOfPath(const QString& path);
// The host of a UNC text "\\host.domain\share...": the text after the two backslashes cut at
// its first "." and then at its first backslash; empty for other texts.
QString ServerOfUnc(const QString& unc);
// The text without the separators at its end ("X:\\" gives "X:").
QString WithoutTrailingSeparators(QString text);

} // namespace morvek::platform

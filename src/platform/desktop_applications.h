#pragma once

#include <QString>

namespace morvek::platform {

// The desktop's associations of document types with programs.
class DesktopApplications {
public:
    virtual ~DesktopApplications() = default;
    // Path of the program that opens documents of this MIME type (or handles this
    // "x-scheme-handler/..." type), or empty.
    virtual QString DefaultProgramFor(const QString& mimeType) const = 0;
};

// Asks `xdg-mime query default` and reads the desktop entry's Exec line; answers are kept
// for the life of the process, since each question starts a process.
class XdgDesktopApplications final : public DesktopApplications {
public:
    QString DefaultProgramFor(const QString& mimeType) const override;
};

} // namespace morvek::platform

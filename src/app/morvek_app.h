#pragma once

#include "app/command_line.h"
#include "config/start_context.h"

#include <QStringList>

namespace morvek::app {

// The application object: it lives for the whole process and holds the start context.
// The window steps of the start-up belong to the user interface, which runs them after
// InitInstance.
class CMorvekApp final : public config::CStartContext {
public:
    // Notes the Shift key, creates the temporary folder, logs the command line and the
    // folder, then parses the command line. arguments: everything after the program path.
    bool InitInstance(const QStringList& arguments);
    // Removes the temporary folder with the generated files.
    int ExitInstance();

    CMyCommandLineInfo commandLine;
};

} // namespace morvek::app

#include "app/morvek_app.h"

#include "app/temp_folder.h"
#include "base/log.h"
#include "base/template_text.h"
#include "platform/host.h"

namespace morvek::app {

bool CMorvekApp::InitInstance(const QStringList& arguments) {
    shiftAtStart = platform::CurrentHost().system->ShiftKeyDown();
    userMode = false;
    base::SetLogUserMode(false);
    tempFolder = CreateTempFolder();
    // Logged before the switches are parsed, so that they appear even in user mode.
    base::AppendLog(base::FillTemplate(u"Aufrufparameter: %s", {RawCommandLine(arguments)}));
    base::AppendLog(base::FillTemplate(u"TempVerz:  %s\r\n", {tempFolder}));
    commandLine.ParseCommandLine(arguments, *this);
    base::SetLogUserMode(userMode);
    return true;
}

int CMorvekApp::ExitInstance() {
    RemoveTempFolder(tempFolder);
    return 0;
}

} // namespace morvek::app

#include "app/morvek_app.h"
#include "app/start_location.h"
#include "base/log.h"
#include "platform/portal_path.h"

#include <QCoreApplication>
#include <QTextStream>

// Until the main window exists the program runs its start-up on the command line and prints
// the log and the start context it found.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    morvek::app::CMorvekApp app;
    if (!app.InitInstance(application.arguments().mid(1))) {
        return 1;
    }
    QTextStream out(stdout);
    if (!app.commandLine.fileName.isEmpty()) {
        const QString folder = morvek::platform::WithoutTrailingSeparators(
            morvek::platform::FolderOfPath(app.commandLine.fileName));
        const morvek::app::CStartLocation location = morvek::app::GetStartLocation(folder);
        out << "Startdatei:       " << app.commandLine.fileName << '\n'
            << "Startlaufwerk:    " << location.startDrive << '\n'
            << "Server:           " << location.serverName << '\n'
            << "Laufwerkstyp:     " << location.driveTypeName << '\n'
            << "Laufwerkszuordnung: " << location.driveMapping << '\n';
    }
    out << morvek::base::logText();
    out.flush();
    return app.ExitInstance();
}

#include "app/document_frame.h"
#include "app/morvek_app.h"
#include "app/morvek_doc.h"
#include "app/portal_report.h"
#include "config/memory_tree.h"
#include "config/statistics_target.h"
#include "pagegen/style_colour.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

using morvek::app::CMorvekDoc;

// The frame of a viewer without window: the areas go into an in-memory bar, pages are not
// shown, and the statistics file is only noted.
class InspectFrame final : public morvek::app::DocumentFrame,
                           public morvek::config::StatisticsFileTarget {
public:
    void InitialUpdateFrame(CMorvekDoc&, bool) override {}
    void ShowBlankPage() override {}
    morvek::config::AreaBar& GetAreaBar() override { return areaBar; }
    morvek::config::StatisticsFileTarget* GetStatisticsRecorder() override { return this; }
    const morvek::pagegen::StyleColourProvider& GetStyleColour() const override { return look; }
    void SetStatisticsFile(const QString& path) override { statisticsFile = path; }

    morvek::config::MemoryAreaBar areaBar;
    morvek::pagegen::DefaultLookColour look;
    QString statisticsFile;
};

} // namespace

// morvek-inspect [/USER=name] [/SERVER=name] [/BENUTZER] START: opens the start file as the
// viewer does and prints what a user of this workstation sees of the portal.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    morvek::app::CMorvekApp app;
    app.InitInstance(application.arguments().mid(1));
    if (app.commandLine.fileName.isEmpty()) {
        QTextStream(stderr) << "Aufruf: morvek-inspect [/USER=name] [/SERVER=name] [/BENUTZER] "
                               "STARTDATEI\n";
        app.ExitInstance();
        return 2;
    }
    InspectFrame frame;
    int status = 1;
    {
        CMorvekDoc document(app, frame);
        if (document.OnOpenDocument(app.commandLine.fileName)) {
            QTextStream out(stdout);
            morvek::app::WritePortalReport(document, frame.statisticsFile, out);
            status = 0;
        }
    }
    app.ExitInstance();
    return status;
}

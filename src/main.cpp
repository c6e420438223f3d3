#include "app/document_frame.h"
#include "app/morvek_app.h"
#include "app/morvek_doc.h"
#include "base/log.h"
#include "config/memory_tree.h"
#include "pagegen/page_converter.h"
#include "pagegen/style_colour.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

using morvek::app::CMorvekDoc;

// Until the main window exists the viewer runs without one: the areas go into an in-memory
// bar, each requested page is converted as the browser view would convert it, and the log
// is printed at the end; page calls are not recorded. The generated pages stay until the program
// ends.
class ConsoleFrame final : public morvek::app::DocumentFrame {
public:
    void InitialUpdateFrame(CMorvekDoc& document, bool) override {
        morvek::pagegen::PageContext context = document.MakePageContext();
        const std::optional<QString> target =
            morvek::pagegen::ConvertPage(context, document.currentPageFile);
        if (target) {
            pages.append(*target);
        }
    }
    void ShowBlankPage() override {}
    morvek::config::AreaBar& GetAreaBar() override { return areaBar; }
    morvek::config::StatisticsFileTarget* GetStatisticsRecorder() override { return nullptr; }
    const morvek::pagegen::StyleColourProvider& GetStyleColour() const override { return look; }

    QStringList pages;

private:
    morvek::config::MemoryAreaBar areaBar;
    morvek::pagegen::DefaultLookColour look;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    morvek::app::CMorvekApp app;
    if (!app.InitInstance(application.arguments().mid(1))) {
        return 1;
    }
    QTextStream out(stdout);
    {
        ConsoleFrame frame;
        CMorvekDoc document(app, frame);
        const bool opened = app.commandLine.fileName.isEmpty()
                                ? document.OnNewDocument()
                                : document.OnOpenDocument(app.commandLine.fileName);
        out << morvek::base::logText();
        for (const QString& page : frame.pages) {
            out << "Seite erzeugt: " << page << '\n';
        }
        out.flush();
        if (!opened) {
            app.ExitInstance();
            return 1;
        }
    }
    return app.ExitInstance();
}

#include "app/morvek_doc.h"

#include "app/document_frame.h"
#include "app/start_location.h"
#include "base/ascii.h"
#include "base/log.h"
#include "base/string_table.h"
#include "base/template_text.h"
#include "config/area_bar.h"
#include "config/navigation.h"
#include "config/office_variables.h"
#include "config/start_file.h"
#include "config/tree_file.h"
#include "platform/file_access.h"
#include "platform/host.h"
#include "platform/portal_path.h"

#include <QDir>
#include <QFile>

namespace morvek::app {
namespace {

// A start file is opened by its full path, as the platform hands it over: a path relative
// to the current folder would leave the portal's root variable relative, and
// "%ZORV_Root%\..." would then name the host's root folder.
QString FullPath(const QString& path) {
    const bool absolute =
        path.startsWith(u'/') || path.startsWith(u'\\') || (path.size() >= 2 && path[1] == u':');
    return absolute ? path : QDir::currentPath() + u'/' + path;
}

bool CanOpen(const QString& path) {
    QFile file;
    const int error = platform::OpenPortalFile(path, QIODevice::ReadOnly, file);
    if (error != 0) {
        platform::ReportFileError(error, path);
    }
    return error == 0;
}

bool CalendarTabVisible() {
    const platform::Settings& settings = *platform::CurrentHost().settings;
    return settings.IntValue(QStringLiteral("DlgAnpassen"), QStringLiteral("CheckKalender"), 0) !=
           0;
}

} // namespace

CMorvekDoc::CMorvekDoc(config::CStartContext& startContext, DocumentFrame& mainFrame)
    : context(startContext), portal(startContext), frame(mainFrame) {}

CMorvekDoc::~CMorvekDoc() {
    frame.GetAreaBar().RemoveAllTabs();
}

bool CMorvekDoc::OnOpenDocument(const QString& path) {
    const QString fullPath = FullPath(path);
    if (!CanOpen(fullPath)) {
        return false;
    }
    DeleteContents();
    base::AppendLog(base::FillTemplate(u"Startdatei: %s", {fullPath}));
    startFile = fullPath;
    ClearPortal();
    pageCounter.Reset();
    frame.GetAreaBar().AddCalendarTab(base::LoadString(base::IDS_CALENDAR), CalendarTabVisible());
    config::DefineOfficeVariables(portal.variables);
    const QString folder = platform::WithoutTrailingSeparators(platform::FolderOfPath(fullPath));
    portal.variables.SetVariable(QStringLiteral("ZORV_Root"), folder, true);
    CompleteStartContext(folder);
    portal.variables.SetVariable(QStringLiteral("ZORV_StartLW"), context.startDrive, true);
    portal.variables.SetVariable(QStringLiteral("ZORV_Server"), context.serverName, true);
    portal.statistics = frame.GetStatisticsRecorder();
    portal.areas.tabOffset = 0;
    config::LoadStartFile(portal, fullPath, &frame.GetAreaBar());
    ShowAreas();
    return true;
}

bool CMorvekDoc::OnNewDocument() {
    DeleteContents();
    busy = true;
    startFile.clear();
    ClearPortal();
    context.serverName = context.serverFromCommandLine;
    frame.ShowBlankPage();
    busy = false;
    return true;
}

void CMorvekDoc::DeleteContents() {
    showAsIs = false;
    resourcePage = 0;
    programTable.Clear();
}

void CMorvekDoc::RequestPage(const QString& path) {
    DeleteContents();
    currentPageFile = path;
    frame.InitialUpdateFrame(*this, true);
}

void CMorvekDoc::OnAreaTabChanged(int tab) {
    if (tab == -1 || busy) {
        return;
    }
    config::CMyTreeCtrl* tree = config::LoadTree(portal, tab);
    if (!tree) {
        return;
    }
    base::AppendLog(base::FillTemplate(u"\r\nTreedatei: %s", {tree->treeFile}));
    currentTreeFile = tree->treeFile;
    config::ExpandAndActivate(*tree, config::FirstRootItem(*tree), *this);
}

pagegen::PageContext CMorvekDoc::MakePageContext() {
    return pagegen::PageContext{portal.variables,
                                portal.rights,
                                programTable,
                                pageCounter,
                                context.tempFolder,
                                frame.GetStyleColour(),
                                {}};
}

// What the previous start file defined; variables it put into the process environment stay
// there.
void CMorvekDoc::ClearPortal() {
    portal.globalFile.clear();
    currentTreeFile.clear();
    currentPageFile.clear();
    portal.variables.Clear();
    portal.rights.Clear();
    frame.GetAreaBar().RemoveAllTabs();
    portal.areas.Clear();
}

// A server or user given on the command line, or found at an earlier opening, is kept.
void CMorvekDoc::CompleteStartContext(const QString& folder) {
    const CStartLocation location = GetStartLocation(folder);
    context.startDrive = location.startDrive;
    context.driveTypeName = location.driveTypeName;
    context.driveMapping = location.driveMapping;
    if (context.serverName.isEmpty()) {
        context.serverName = base::ToUpperAscii(location.serverName);
    }
    if (context.userName.isEmpty()) {
        context.userName = base::ToUpperAscii(platform::CurrentHost().system->LoginName());
    }
    context.driveTypeName = base::ToUpperAscii(context.driveTypeName);
}

// One tab per area whose window can be created, after the calendar; the first area's tab
// is made active and announced, which shows its first page.
void CMorvekDoc::ShowAreas() {
    config::AreaBar& areaBar = frame.GetAreaBar();
    const int firstAreaTab = areaBar.TabCount();
    const quint32 colour = frame.GetStyleColour().StyleBackgroundColour();
    for (qsizetype i = 0; i < static_cast<qsizetype>(portal.areas.trees.size()); ++i) {
        if (config::TreeWindow* window = config::CreateAreaTree(portal.areas, i)) {
            const config::CMyTreeCtrl& area = *portal.areas.trees[static_cast<size_t>(i)];
            areaBar.AddAreaTab(*window, area.areaName, area.areaIcon);
            window->SetBackgroundColour(colour);
        }
    }
    portal.areas.tabOffset = firstAreaTab;
    if (areaBar.TabCount() > firstAreaTab) {
        areaBar.SetActiveTab(firstAreaTab);
        OnAreaTabChanged(firstAreaTab);
    }
}

} // namespace morvek::app

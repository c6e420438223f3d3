#include "app/command_line.h"
#include "app/converting_frame.h"
#include "app/morvek_doc.h"
#include "base/log.h"
#include "config/memory_tree.h"
#include "config/navigation.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace morvek::app {
namespace {

using namespace Qt::Literals::StringLiterals;

QString ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringDecoder decoder(QStringDecoder::Utf16LE);
    return decoder(file.readAll());
}

// The fixture portal lies in the folder "portal" of a drive; each drive letter is mounted
// from a different kind of medium.
class DocumentTest : public testing::Test {
protected:
    DocumentTest() {
        base::ClearLog();
        context.tempFolder = temp.path() + u'/';
        host.system.loginName = u"tester"_s;
        const QString fixtures = test::FixturePath("");
        for (const char* letter : {"C", "D", "E", "S"}) {
            host.settings.SetValue(u"Drives"_s, QString::fromLatin1(letter), fixtures);
        }
        root = {u"/"_s, u"/dev/vda1"_s, u"ext4"_s, false};
        Mount(u"/dev/vda2"_s, u"ext4"_s);
    }

    void Mount(const QString& source, const QString& fsType, bool removable = false) {
        host.mounts.mounts = {root,
                              {QDir::cleanPath(test::FixturePath("")), source, fsType, removable}};
    }
    QStringList TabLabels() const {
        QStringList labels;
        for (const auto& tab : frame.areaBar.tabs) {
            labels.append(tab.label);
        }
        return labels;
    }
    QString Variable(const QString& name) const {
        return document.portal.variables.GetVariable(name).value_or(u"<none>"_s);
    }
    config::MemoryTreeWindow& Window(size_t area) {
        return static_cast<config::MemoryTreeWindow&>(*document.portal.areas.trees[area]->window);
    }

    test::FakeHost host;
    QTemporaryDir temp;
    config::CStartContext context;
    ConvertingFrame frame;
    CMorvekDoc document{context, frame};
    platform::MountEntry root;
};

TEST_F(DocumentTest, StartLocationChoosesSectionsAndAreas) {
    const struct {
        const char16_t* start;
        QString source, fsType;
        bool removable;
        QString server, driveType, mapping, ort, secondArea;
    } cases[] = {
        {u"C:\\portal\\Start.xml",
         u"/dev/vda2"_s,
         u"ext4"_s,
         false,
         u"C:"_s,
         {},
         {},
         u"Platte"_s,
         u"Vor Ort"_s},
        {u"E:\\portal\\Start.xml",
         u"/dev/sdb1"_s,
         u"vfat"_s,
         true,
         u"E:"_s,
         u"REMOVABLE"_s,
         {},
         u"Stick"_s,
         u"Vor Ort"_s},
        {u"D:\\portal\\Start.xml",
         u"/dev/sr0"_s,
         u"iso9660"_s,
         false,
         u"D:"_s,
         u"CDROM"_s,
         {},
         u"CD"_s,
         u"Vor Ort"_s},
        {u"S:\\portal\\Start.xml",
         u"//fileserver.firma.de/portal"_s,
         u"cifs"_s,
         false,
         u"FILESERVER"_s,
         {},
         u"\\\\fileserver.firma.de\\portal"_s,
         u"Server"_s,
         u"Netzwerk"_s},
    };
    for (const auto& c : cases) {
        const QString start = QString::fromUtf16(c.start);
        SCOPED_TRACE(start.toStdString());
        Mount(c.source, c.fsType, c.removable);
        ASSERT_TRUE(document.OnNewDocument());
        ASSERT_TRUE(document.OnOpenDocument(start));
        EXPECT_EQ(document.startFile, start);
        EXPECT_EQ(context.startDrive, start.left(2));
        EXPECT_EQ(context.serverName, c.server);
        EXPECT_EQ(context.userName, u"TESTER"_s);
        EXPECT_EQ(context.driveTypeName, c.driveType);
        EXPECT_EQ(context.driveMapping, c.mapping);
        EXPECT_EQ(Variable(u"ZORV_Root"_s), start.left(9));
        EXPECT_EQ(Variable(u"ZORV_StartLW"_s), start.left(2));
        EXPECT_EQ(Variable(u"ZORV_Server"_s), c.server);
        EXPECT_EQ(Variable(u"Ort"_s), c.ort);
        EXPECT_EQ(TabLabels(), (QStringList{u"Kalender"_s, u"Übersicht"_s, c.secondArea}));
        EXPECT_EQ(document.portal.globalFile, start.left(9) + u"\\Global.xml"_s);
        EXPECT_EQ(frame.statisticsFiles.last(), start.left(9) + u"\\Aufrufe.sta"_s);
    }
    EXPECT_EQ(host.messages.messages, QStringList());
}

TEST_F(DocumentTest, StartFileInTheRootOfANetworkDriveGetsNoServer) {
    host.settings.SetValue(u"Drives"_s, u"R"_s, QDir::cleanPath(test::FixturePath("portal")));
    Mount(u"//fileserver/portal"_s, u"cifs"_s);
    ASSERT_TRUE(document.OnOpenDocument(u"R:\\Start.xml"_s));
    EXPECT_EQ(Variable(u"ZORV_Root"_s), u"R:"_s);
    EXPECT_EQ(context.serverName, u"R:"_s);
    EXPECT_TRUE(context.driveMapping.isEmpty());
    EXPECT_EQ(Variable(u"Ort"_s), u"Platte"_s);
    EXPECT_EQ(document.portal.globalFile, u"R:\\Global.xml"_s);
    EXPECT_EQ(TabLabels(), (QStringList{u"Kalender"_s, u"Übersicht"_s, u"Vor Ort"_s}));
}

TEST_F(DocumentTest, ServerAndUserFromTheCommandLineAreKept) {
    CMyCommandLineInfo commandLine;
    commandLine.ParseCommandLine({u"/SERVER=qx"_s, u"-user=bob"_s, u"C:\\portal\\Start.xml"_s},
                                 context);
    ASSERT_TRUE(document.OnOpenDocument(commandLine.fileName));
    EXPECT_EQ(context.serverName, u"QX"_s);
    EXPECT_EQ(context.userName, u"BOB"_s);
    EXPECT_EQ(Variable(u"ZORV_Server"_s), u"QX"_s);
    // The server is not the drive: only sections named after it and the standard ones apply.
    EXPECT_EQ(document.portal.variables.appliedSections,
              QStringList{u"<Lokal name=\"standard\">"_s});
    document.OnNewDocument();
    EXPECT_EQ(context.serverName, u"QX"_s);
}

TEST_F(DocumentTest, SecondStartFileKeepsTheServerUntilANewDocument) {
    ASSERT_TRUE(document.OnOpenDocument(u"C:\\portal\\Start.xml"_s));
    Mount(u"//fileserver/portal"_s, u"cifs"_s);
    ASSERT_TRUE(document.OnOpenDocument(u"S:\\portal\\Zweit.xml"_s));
    EXPECT_EQ(context.serverName, u"C:"_s);
    EXPECT_EQ(context.startDrive, u"S:"_s);
    EXPECT_EQ(TabLabels(), (QStringList{u"Kalender"_s, u"Einzig"_s}));
    ASSERT_EQ(document.portal.areas.trees.size(), 1u);
    EXPECT_EQ(document.portal.areas.extensions, (QStringList{u".pdf"_s, u".doc"_s, u".xls"_s}));
    // Page numbering starts again with the start file.
    EXPECT_TRUE(frame.targets.last().endsWith(u"/Datei0.htm"_s));

    ASSERT_TRUE(document.OnNewDocument());
    ASSERT_TRUE(document.OnOpenDocument(u"S:\\portal\\Zweit.xml"_s));
    EXPECT_EQ(context.serverName, u"FILESERVER"_s);
}

TEST_F(DocumentTest, OpeningShowsTheFirstPageOfTheFirstArea) {
    ASSERT_TRUE(document.OnOpenDocument(u"C:\\portal\\Start.xml"_s));
    const QString pages = u"C:\\portal\\Seiten\\"_s;
    EXPECT_EQ(frame.requests, QStringList{pages + u"Willkommen.xml"_s});
    EXPECT_EQ(document.currentPageFile, pages + u"Willkommen.xml"_s);
    EXPECT_EQ(document.currentTreeFile, u"C:\\portal\\Baum\\Uebersicht.xml"_s);
    EXPECT_EQ(frame.targets, QStringList{context.tempFolder + u"Datei0.htm"_s});
    const QString html = ReadPage(frame.targets.first());
    EXPECT_TRUE(html.contains(u"<title>Willkommen</title>"_s)) << html.toStdString();
    EXPECT_TRUE(html.contains(u"Grüß Gott im Testportal."_s)) << html.toStdString();
    EXPECT_TRUE(base::logText().contains(u"Startdatei: C:\\portal\\Start.xml\r\n"_s));
    EXPECT_TRUE(base::logText().contains(u"\r\nTreedatei: C:\\portal\\Baum\\Uebersicht.xml\r\n"_s));

    // The calendar is hidden unless the user asked for it; the areas follow it.
    const auto& tabs = frame.areaBar.tabs;
    ASSERT_EQ(tabs.size(), 3);
    EXPECT_FALSE(tabs[0].visible);
    EXPECT_EQ(tabs[1].icon, 3);
    EXPECT_EQ(tabs[2].icon, 6);
    EXPECT_EQ(document.portal.areas.tabOffset, 1);
    EXPECT_EQ(frame.areaBar.activeTab, 1);
    EXPECT_EQ(Window(1).controlId, 3011);
    EXPECT_EQ(Window(1).backgroundColour, 0x00C0C0C0u);

    // The first area's tree is expanded with its first item bold and selected.
    const config::CMyTreeCtrl& area = *document.portal.areas.trees[0];
    EXPECT_EQ(area.activeItem, area.items[0]->treeHandle);
    EXPECT_EQ(Window(0).selected, area.items[0]->treeHandle);
    EXPECT_TRUE(Window(0).Find(area.items[1]->treeHandle)->expanded);

    host.settings.SetValue(u"DlgAnpassen"_s, u"CheckKalender"_s, 1);
    ASSERT_TRUE(document.OnOpenDocument(u"C:\\portal\\Start.xml"_s));
    EXPECT_TRUE(frame.areaBar.tabs[0].visible);
    EXPECT_TRUE(frame.areaBar.calendarCreated);
}

TEST_F(DocumentTest, ActivatingItemsConvertsTheirPages) {
    ASSERT_TRUE(document.OnOpenDocument(u"C:\\portal\\Start.xml"_s));
    config::CMyTreeCtrl& area = *document.portal.areas.trees[0];
    document.programTable.Store(u"alt"_s, {});
    document.showAsIs = true;

    // A group without page changes only the bold marking.
    config::ActivateItem(area, area.items[1]->treeHandle, 1, document);
    EXPECT_EQ(frame.requests.size(), 1);
    EXPECT_EQ(document.currentPageFile, u"C:\\portal\\Seiten\\Willkommen.xml"_s);
    EXPECT_TRUE(Window(0).Find(area.items[1]->treeHandle)->bold);
    EXPECT_FALSE(Window(0).Find(area.items[0]->treeHandle)->bold);

    config::ActivateItem(area, area.items[2]->treeHandle, 2, document);
    EXPECT_EQ(document.currentPageFile, u"C:\\portal\\Seiten\\Details.xml"_s);
    EXPECT_FALSE(document.showAsIs);
    EXPECT_EQ(document.programTable.size(), 0);
    ASSERT_EQ(frame.targets.size(), 2);
    EXPECT_EQ(frame.targets[1], context.tempFolder + u"Datei1.htm"_s);
    EXPECT_TRUE(ReadPage(frame.targets[1]).contains(u"Ort: Platte"_s));
    EXPECT_EQ(Variable(u"ZORV_Page"_s), u"C:\\portal\\Seiten"_s);
}

TEST_F(DocumentTest, AreaChangeLoadsTheTreeAndShowsItsFirstPage) {
    ASSERT_TRUE(document.OnOpenDocument(u"C:\\portal\\Start.xml"_s));
    document.OnAreaTabChanged(2);
    EXPECT_EQ(document.currentTreeFile, u"C:\\portal\\Baum\\Lokal.xml"_s);
    EXPECT_EQ(frame.requests.size(), 2);
    EXPECT_EQ(Window(1).ChildItems(config::kNoTreeItem).size(), 1);

    // Back to the first area: shown again without reading its file again.
    document.OnAreaTabChanged(1);
    EXPECT_EQ(frame.requests.size(), 3);
    EXPECT_EQ(document.portal.areas.trees[0]->items.size(), 3u);

    for (const int tab : {0, -1, 3}) {
        document.OnAreaTabChanged(tab);
    }
    document.busy = true;
    document.OnAreaTabChanged(2);
    EXPECT_EQ(frame.requests.size(), 3);
    EXPECT_EQ(document.currentTreeFile, u"C:\\portal\\Baum\\Uebersicht.xml"_s);
}

TEST_F(DocumentTest, NewDocumentEmptiesEverything) {
    context.serverFromCommandLine = u"QX"_s;
    ASSERT_TRUE(document.OnOpenDocument(u"C:\\portal\\Start.xml"_s));
    ASSERT_TRUE(document.OnNewDocument());
    EXPECT_TRUE(document.startFile.isEmpty());
    EXPECT_TRUE(document.portal.globalFile.isEmpty());
    EXPECT_TRUE(document.currentPageFile.isEmpty());
    EXPECT_TRUE(document.currentTreeFile.isEmpty());
    EXPECT_TRUE(document.portal.areas.trees.empty());
    EXPECT_TRUE(document.portal.areas.extensions.isEmpty());
    EXPECT_TRUE(document.portal.variables.localVariables.isEmpty());
    EXPECT_TRUE(document.portal.variables.appliedSections.isEmpty());
    EXPECT_TRUE(document.portal.rights.Names().isEmpty());
    EXPECT_TRUE(frame.areaBar.tabs.isEmpty());
    EXPECT_EQ(frame.blankPages, 1);
    EXPECT_FALSE(document.busy);
    EXPECT_EQ(context.serverName, u"QX"_s);
}

TEST_F(DocumentTest, MissingStartFileFailsAndChangesNothing) {
    ASSERT_TRUE(document.OnOpenDocument(u"C:\\portal\\Start.xml"_s));
    EXPECT_FALSE(document.OnOpenDocument(u"C:\\portal\\Fehlt.xml"_s));
    EXPECT_EQ(host.messages.messages.size(), 1);
    EXPECT_EQ(document.startFile, u"C:\\portal\\Start.xml"_s);
    EXPECT_EQ(document.portal.areas.trees.size(), 2u);
}

TEST_F(DocumentTest, StartFileThatIsNoPortalLeavesNoAreas) {
    test::TempFiles files;
    ASSERT_TRUE(document.OnOpenDocument(files.Write(u"Start.xml"_s, "<SEITE>\n")));
    EXPECT_EQ(TabLabels(), QStringList{u"Kalender"_s});
    EXPECT_EQ(frame.areaBar.activeTab, -1);
    EXPECT_TRUE(frame.requests.isEmpty());
}

} // namespace
} // namespace morvek::app

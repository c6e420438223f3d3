#include "config/memory_tree.h"
#include "config/portal.h"
#include "config/start_file.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::config {
namespace {

using namespace Qt::Literals::StringLiterals;

// A portal on the local drive C: of user USER1.
class StartFileTest : public testing::Test {
protected:
    StartFileTest() {
        context.serverName = context.startDrive = u"C:"_s;
        context.userName = u"USER1"_s;
        portal.variables.SetVariable(u"ZORV_Root"_s, files.Path(u"portal"_s), true);
        files.Write(u"portal/Global.xml"_s, "<RECHTE>Lokal = C:, Fremd = OTHER,</RECHTE>\n");
    }

    bool Load(const QByteArray& text) {
        return LoadStartFile(portal, files.Write(u"portal/Start.xml"_s, text), &areaBar);
    }
    QStringList AreaNames() const {
        QStringList names;
        for (const auto& area : portal.areas.trees) {
            names.append(area->areaName);
        }
        return names;
    }

    test::FakeHost host;
    test::TempFiles files;
    CStartContext context;
    CPortal portal{context};
    MemoryAreaBar areaBar;
};

TEST_F(StartFileTest, AreasFollowTheConditionsAroundThem) {
    EXPECT_TRUE(Load("<XML>\n"
                     "<IF RECHT=\"Lokal\"><BEREICH><NAME>Vor Global</NAME></BEREICH></IF>\n"
                     "<IFNOT RECHT=\"Lokal\"><BEREICH><NAME>Vor Global nicht</NAME></BEREICH>"
                     "</IFNOT>\n"
                     "<GLOBAL>%ZORV_Root%\\Global.xml</GLOBAL>\n"
                     "<BEREICH><NAME>Erster</NAME></BEREICH>\n"
                     "<IF RECHT=\"Fremd\"><BEREICH><NAME>Fremder</NAME></BEREICH></IF>\n"
                     "<IF RECHT=\"Fremd|Lokal\"><BEREICH><NAME>Zweiter</NAME></BEREICH></IF>\n"
                     "<IFNOT RECHT=\"Lokal\"><BEREICH><NAME>Nicht lokal</NAME></BEREICH></IFNOT>\n"
                     "<BEREICH><NAME>Dritter</NAME></BEREICH>\n"
                     "</XML>\n"));
    EXPECT_EQ(AreaNames(),
              (QStringList{u"Vor Global nicht"_s, u"Erster"_s, u"Zweiter"_s, u"Dritter"_s}));
    EXPECT_EQ(portal.areas.areaBar, &areaBar);
}

TEST_F(StartFileTest, AreaTakesTheLastOfEachElement) {
    files.Write(u"portal/Baum.xml"_s, "<XML></XML>\n");
    EXPECT_TRUE(Load("<BEREICH>\n"
                     "<NAME>Alt</NAME><NAME> Neu </NAME>\n"
                     "<ICON> 20 </ICON>\n"
                     "<TREE>%ZORV_Root%\\Baum.xml</TREE>\n"
                     // Conditions inside an area are not evaluated.
                     "<IF RECHT=\"Fremd\"><ICON>7</ICON></IF>\n"
                     "<BEREICH>\n"
                     "</BEREICH>\n"
                     "<BEREICH><NAME>Ohne Icon</NAME><ICON></ICON><TREE>Baum.xml</TREE>"
                     "</BEREICH>\n"
                     "<NAME>Draussen</NAME>\n"
                     "<BEREICH><NAME>Nie geschlossen</NAME>\n"));
    ASSERT_EQ(portal.areas.trees.size(), 2u);
    const CMyTreeCtrl& first = *portal.areas.trees[0];
    EXPECT_EQ(first.areaName, u" Neu "_s);
    EXPECT_EQ(first.areaIcon, 7);
    EXPECT_EQ(first.treeFile, files.Path(u"portal"_s) + u"\\Baum.xml"_s);
    const CMyTreeCtrl& second = *portal.areas.trees[1];
    EXPECT_EQ(second.areaName, u"Ohne Icon"_s);
    EXPECT_EQ(second.areaIcon, -1);
    // A relative tree file stays relative to the process's current folder.
    EXPECT_EQ(second.treeFile, u"Baum.xml"_s);
    EXPECT_FALSE(first.window);
}

TEST_F(StartFileTest, ResultIsThatOfTheLastGlobalFile) {
    EXPECT_FALSE(Load("<GLOBAL>%ZORV_Root%\\Global.xml</GLOBAL>\n"
                      "<GLOBAL>%ZORV_Root%\\Fehlt.xml</GLOBAL>\n"
                      "<BEREICH><NAME>Trotzdem</NAME></BEREICH>\n"));
    EXPECT_EQ(AreaNames(), QStringList{u"Trotzdem"_s});
    EXPECT_EQ(host.messages.messages.size(), 1);
    EXPECT_EQ(portal.globalFile, files.Path(u"portal"_s) + u"\\Fehlt.xml"_s);

    portal.areas.Clear();
    EXPECT_TRUE(Load("<GLOBAL>%ZORV_Root%\\Fehlt.xml</GLOBAL>\n"
                     "<GLOBAL>%ZORV_Root%\\Global.xml</GLOBAL>\n"));
    EXPECT_TRUE(Load("<BEREICH></BEREICH>\n"));
}

TEST_F(StartFileTest, UnreadableStartFileGivesNoAreas) {
    EXPECT_FALSE(LoadStartFile(portal, files.Path(u"portal/Fehlt.xml"_s), &areaBar));
    EXPECT_FALSE(Load("<BEREICH><NAME>A</NAME></BEREICH>\n<TEXT>unbekannt</TEXT>\n"));
    EXPECT_TRUE(portal.areas.trees.empty());
    EXPECT_EQ(host.messages.messages.size(), 2);
}

TEST_F(StartFileTest, AreaTreeWindowsAreCreatedOnce) {
    ASSERT_TRUE(Load("<BEREICH></BEREICH><BEREICH></BEREICH>\n"));
    TreeWindow* first = CreateAreaTree(portal.areas, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(static_cast<MemoryTreeWindow*>(first)->controlId, 3010);
    EXPECT_EQ(static_cast<MemoryTreeWindow*>(first)->fontPixelSize, 14);
    EXPECT_EQ(CreateAreaTree(portal.areas, 0), first);

    host.settings.SetValue(u"Frame"_s, u"NavFontSize"_s, u"16"_s);
    auto* second = static_cast<MemoryTreeWindow*>(CreateAreaTree(portal.areas, 1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->controlId, 3011);
    EXPECT_EQ(second->fontPixelSize, 16);
    EXPECT_EQ(portal.areas.navFontSize, 16);

    EXPECT_EQ(CreateAreaTree(portal.areas, 2), nullptr);
    EXPECT_EQ(CreateAreaTree(portal.areas, -1), nullptr);
}

TEST_F(StartFileTest, NoWindowWithoutAreaBar) {
    ASSERT_TRUE(LoadStartFile(portal, files.Write(u"S.xml"_s, "<BEREICH></BEREICH>\n"), nullptr));
    host.settings.SetValue(u"Frame"_s, u"NavFontSize"_s, u"gross"_s);
    EXPECT_EQ(CreateAreaTree(portal.areas, 0), nullptr);
    EXPECT_EQ(portal.areas.navFontSize, 0);
}

} // namespace
} // namespace morvek::config

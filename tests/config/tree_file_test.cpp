#include "config/memory_tree.h"
#include "config/portal.h"
#include "config/start_file.h"
#include "config/tree_file.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <gtest/gtest.h>
#include <limits>

namespace morvek::config {
namespace {

using namespace Qt::Literals::StringLiterals;

// One area behind the calendar tab, its tree file written by each test.
class TreeFileTest : public testing::Test {
protected:
    TreeFileTest() {
        context.serverName = context.startDrive = u"C:"_s;
        portal.variables.SetVariable(u"ZORV_Root"_s, u"C:\\Portal\\Start"_s, true);
        portal.rights.AddRight(u"Lokal"_s, u"C:"_s);
        portal.rights.AddRight(u"Fremd"_s, u"OTHER"_s);
        auto area = std::make_unique<CMyTreeCtrl>();
        area->treeFile = files.Path(u"Baum.xml"_s);
        portal.areas.trees.push_back(std::move(area));
        portal.areas.areaBar = &areaBar;
        portal.areas.tabOffset = 1;
        CreateAreaTree(portal.areas, 0);
    }

    CMyTreeCtrl* Load(const QByteArray& text) {
        files.Write(u"Baum.xml"_s, "<XML><NAVIGATION>\n" + text + "</NAVIGATION></XML>\n");
        return LoadTree(portal, 1);
    }
    CMyTreeCtrl& Area() { return *portal.areas.trees[0]; }
    const MemoryTreeWindow& Window() { return static_cast<MemoryTreeWindow&>(*Area().window); }

    // The tree as text: each item's data, its children in parentheses.
    QString Shape(TreeItemHandle parent = kNoTreeItem) {
        QStringList parts;
        for (const TreeItemHandle item : Window().ChildItems(parent)) {
            const QString children = Shape(item);
            parts.append(QString::number(Window().ItemData(item)) +
                         (children.isEmpty() ? QString() : u'(' + children + u')'));
        }
        return parts.join(u',');
    }

    test::FakeHost host;
    test::TempFiles files;
    CStartContext context;
    CPortal portal{context};
    MemoryAreaBar areaBar;
};

QByteArray Items(std::initializer_list<const char*> levels) {
    QByteArray text;
    for (const char* level : levels) {
        text += "<ITEM><TEXT>x</TEXT>";
        if (level) {
            text += QByteArray("<EBENE>") + level + "</EBENE>";
        }
        text += "</ITEM>\n";
    }
    return text;
}

TEST_F(TreeFileTest, LevelsPlaceItemsUnderTheLastParentOfTheLevelAbove) {
    const struct {
        std::initializer_list<const char*> levels;
        const char16_t* shape;
        bool complete;
    } cases[] = {
        {{"0", "1", "1", "0", "1"}, u"0(1,2),3(4)", true},
        {{"0", nullptr, ""}, u"0,1,2", true},
        {{"0", "1", nullptr}, u"0(1,2)", true},
        {{"0", "  "}, u"0,1", true},
        // The slot for level 2 still names item 2 after the new root.
        {{"0", "1", "2", "0", "2"}, u"0(1(2,4)),3", true},
        {{"0", "2", "0"}, u"0", false},
        {{"1", "0"}, u"", false},
        {{"0", "1", "99"}, u"0(1)", false},
        {{"0", "-2", "0"}, u"0", false},
        {{"0", "-1", "1"}, u"0(2),1", true},
    };
    for (const auto& c : cases) {
        Area().items.clear();
        Area().window = std::make_unique<MemoryTreeWindow>(3010);
        const QByteArray text = Items(c.levels);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(Load(text) != nullptr, c.complete);
        EXPECT_EQ(Shape(), QString::fromUtf16(c.shape));
    }
}

TEST_F(TreeFileTest, DeepestLevelIsNinetyEight) {
    QByteArray text;
    for (int level = 0; level <= 99; ++level) {
        text += "<ITEM><EBENE>" + QByteArray::number(level) + "</EBENE></ITEM>\n";
    }
    EXPECT_EQ(Load(text), nullptr);
    ASSERT_EQ(Area().items.size(), 99u);
    EXPECT_EQ(Window().Depth(Area().items.back()->treeHandle), 98);
}

TEST_F(TreeFileTest, ItemFieldsAndIcons) {
    ASSERT_NE(Load("<ITEM><TEXT>Erste <b>Seite</b></TEXT><ICON>16,15</ICON>"
                   "<TOOLTIP>Hilfe zur Seite</TOOLTIP>"
                   "<DATEI>%ZORV_Root%\\..\\HTML\\Seite1.xml</DATEI></ITEM>\n"
                   "<ITEM><ICON>22</ICON><DATEI></DATEI><ICON> 3 , </ICON></ITEM>\n"
                   "<ITEM><TEXT>Ohne</TEXT><ICON></ICON><DATEI>http://www.example.de</DATEI>"
                   "</ITEM>\n"
                   "<ITEM><TEXT>Nie geschlossen</TEXT>\n"),
              nullptr);
    const auto& items = Area().items;
    ASSERT_EQ(items.size(), 3u);
    const MemoryTreeWindow::Item* first = Window().Find(items[0]->treeHandle);
    EXPECT_EQ(first->text, u"Erste <b>Seite</b>"_s);
    EXPECT_EQ(first->image, 16);
    EXPECT_EQ(first->selectedImage, 15);
    EXPECT_EQ(items[0]->tooltip, u"Hilfe zur Seite"_s);
    EXPECT_EQ(items[0]->pageFile, u"C:\\Portal\\HTML\\Seite1.xml"_s);
    EXPECT_EQ(items[0]->tree, &Area());

    const MemoryTreeWindow::Item* second = Window().Find(items[1]->treeHandle);
    EXPECT_EQ(second->text, QString());
    EXPECT_EQ(second->image, 3);
    EXPECT_EQ(second->selectedImage, 3);
    EXPECT_TRUE(items[1]->pageFile.isEmpty());

    const MemoryTreeWindow::Item* third = Window().Find(items[2]->treeHandle);
    EXPECT_EQ(third->image, -1);
    EXPECT_EQ(third->selectedImage, -1);
    EXPECT_EQ(items[2]->pageFile, u"http://www.example.de"_s);
}

TEST_F(TreeFileTest, ConditionsAroundAndInsideItems) {
    ASSERT_NE(Load("<ITEM><TEXT>A</TEXT><EBENE>0</EBENE></ITEM>\n"
                   "<IF RECHT=\"Fremd\">\n"
                   "<ITEM><TEXT>Fremd</TEXT><EBENE>0</EBENE></ITEM>\n"
                   "<ITEM><TEXT>Fremd2</TEXT><EBENE>1</EBENE></ITEM>\n"
                   "</IF>\n"
                   "<ITEM><TEXT>B</TEXT><EBENE>1</EBENE>\n"
                   "<IF RECHT=\"Lokal\"><DATEI>C:\\lokal.xml</DATEI></IF>\n"
                   "<IFNOT RECHT=\"Lokal\"><DATEI>C:\\fern.xml</DATEI></IFNOT>\n"
                   "</ITEM>\n"
                   "<IFNOT RECHT=\"Fremd\"><ITEM><TEXT>C</TEXT></ITEM></IFNOT>\n"),
              nullptr);
    EXPECT_EQ(Shape(), u"0(1,2)"_s);
    ASSERT_EQ(Area().items.size(), 3u);
    EXPECT_EQ(Window().ItemText(Area().items[1]->treeHandle), u"B"_s);
    EXPECT_EQ(Area().items[1]->pageFile, u"C:\\lokal.xml"_s);
    EXPECT_EQ(Window().ItemText(Area().items[2]->treeHandle), u"C"_s);
}

TEST_F(TreeFileTest, TreeFileIsReadOncePerStartFile) {
    CMyTreeCtrl* tree = Load(Items({"0", "1"}));
    ASSERT_EQ(tree, &Area());
    files.Write(u"Baum.xml"_s, Items({"0", "0", "0"}));
    EXPECT_EQ(LoadTree(portal, 1), tree);
    EXPECT_EQ(Shape(), u"0(1)"_s);

    // Loading that stopped leaves a tree that is not read again either.
    Area().items.clear();
    Area().window = std::make_unique<MemoryTreeWindow>(3010);
    EXPECT_EQ(Load(Items({"0", "5"})), nullptr);
    files.Write(u"Baum.xml"_s, Items({"0", "0"}));
    EXPECT_EQ(LoadTree(portal, 1), &Area());
    EXPECT_EQ(Shape(), u"0"_s);
}

TEST_F(TreeFileTest, UnreadableTreeIsTriedAgain) {
    EXPECT_EQ(LoadTree(portal, 1), nullptr);
    EXPECT_EQ(LoadTree(portal, 1), nullptr);
    EXPECT_EQ(host.messages.messages.size(), 2);
    EXPECT_EQ(Load(Items({"0"})), &Area());
}

TEST_F(TreeFileTest, TabsWithoutAreaGiveNoTree) {
    Load(Items({"0"}));
    EXPECT_EQ(LoadTree(portal, 0), nullptr); // the calendar
    EXPECT_EQ(LoadTree(portal, 2), nullptr);
    EXPECT_EQ(LoadTree(portal, -1), nullptr);
    EXPECT_EQ(LoadTree(portal, std::numeric_limits<int>::min()), nullptr);
    Area().window.reset();
    EXPECT_EQ(LoadTree(portal, 1), nullptr);
}

} // namespace
} // namespace morvek::config

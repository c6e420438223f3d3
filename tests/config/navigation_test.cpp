#include "base/log.h"
#include "config/area_collection.h"
#include "config/memory_tree.h"
#include "config/navigation.h"
#include "config/page_requester.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::config {
namespace {

using namespace Qt::Literals::StringLiterals;

class RecordingRequester final : public PageRequester {
public:
    void RequestPage(const QString& path) override { pages.append(path); }
    QStringList pages;
};

// A tree "Start" with the children "Gruppe" (no page, one child "Blatt") and "Zweite".
class NavigationTest : public testing::Test {
protected:
    NavigationTest() {
        base::ClearLog();
        tree.window = std::make_unique<MemoryTreeWindow>(3010);
        start = Add(kNoTreeItem, u"Start"_s, u"C:\\p\\Start.xml"_s, u"Zur Startseite"_s);
        group = Add(start, u"Gruppe"_s, {}, {});
        leaf = Add(group, u"Blatt"_s, u"C:\\p\\Blatt.xml"_s, {});
        second = Add(start, u"Zweite"_s, u"C:\\p\\Zweite.xml"_s, {});
    }

    TreeItemHandle Add(TreeItemHandle parent, const QString& text, const QString& page,
                       const QString& tooltip) {
        const auto index = static_cast<qsizetype>(tree.items.size());
        const TreeItemHandle handle = tree.window->InsertItem(parent, text, 1, 2, index);
        tree.items.push_back(std::make_unique<CTreeItem>(CTreeItem{page, tooltip, handle, &tree}));
        return handle;
    }
    MemoryTreeWindow& Window() { return static_cast<MemoryTreeWindow&>(*tree.window); }
    bool Bold(TreeItemHandle item) { return Window().Find(item)->bold; }
    bool AllExpanded() {
        for (const TreeItemHandle item : {start, group, leaf, second}) {
            if (!Window().Find(item)->expanded) {
                return false;
            }
        }
        return true;
    }

    test::FakeHost host;
    CMyTreeCtrl tree;
    RecordingRequester requester;
    TreeItemHandle start, group, leaf, second;
};

TEST_F(NavigationTest, ActivatingMovesTheBoldMarkAndShowsThePage) {
    ActivateItem(tree, leaf, 2, requester);
    EXPECT_TRUE(Bold(leaf));
    EXPECT_EQ(tree.activeItem, leaf);
    EXPECT_EQ(requester.pages, QStringList{u"C:\\p\\Blatt.xml"_s});

    // An item without page only groups its children: the view keeps its page.
    ActivateItem(tree, group, 1, requester);
    EXPECT_FALSE(Bold(leaf));
    EXPECT_TRUE(Bold(group));
    EXPECT_EQ(requester.pages.size(), 1);

    // Item data that names no item marks without showing anything.
    ActivateItem(tree, second, 17, requester);
    EXPECT_TRUE(Bold(second));
    EXPECT_EQ(requester.pages.size(), 1);

    ActivateItem(tree, second, 3, requester);
    EXPECT_EQ(requester.pages.last(), u"C:\\p\\Zweite.xml"_s);
}

TEST_F(NavigationTest, ExpandAndActivateOpensTheWholeTree) {
    ExpandAndActivate(tree, FirstRootItem(tree), requester);
    EXPECT_TRUE(AllExpanded());
    EXPECT_EQ(Window().selected, start);
    EXPECT_TRUE(Window().focused);
    EXPECT_TRUE(Bold(start));
    EXPECT_EQ(requester.pages, QStringList{u"C:\\p\\Start.xml"_s});
}

TEST_F(NavigationTest, MarkingShowsNoPage) {
    ActivateItem(tree, start, 0, requester);
    MarkItem(tree, leaf);
    EXPECT_TRUE(AllExpanded());
    EXPECT_EQ(Window().selected, leaf);
    EXPECT_FALSE(Bold(start));
    EXPECT_TRUE(Bold(leaf));
    EXPECT_EQ(tree.activeItem, leaf);
    EXPECT_EQ(requester.pages.size(), 1);
}

TEST_F(NavigationTest, EmptyTreeHasNothingToActivate) {
    CMyTreeCtrl empty;
    empty.window = std::make_unique<MemoryTreeWindow>(3011);
    EXPECT_EQ(FirstRootItem(empty), kNoTreeItem);
    ExpandAndActivate(empty, kNoTreeItem, requester);
    MarkItem(empty, kNoTreeItem);
    EXPECT_EQ(empty.activeItem, kNoTreeItem);
    EXPECT_TRUE(requester.pages.isEmpty());
    EXPECT_EQ(FirstRootItem(CMyTreeCtrl()), kNoTreeItem);
}

TEST_F(NavigationTest, TooltipIsCutAndItsItemLoggedOncePerHover) {
    CAreaCollection areas;
    host.system.ticks = 1000;
    EXPECT_EQ(ItemTooltip(areas, tree, 0, 100), u"Zur Startseite"_s);
    EXPECT_EQ(ItemTooltip(areas, tree, 0, 3), u"Zur"_s);
    host.system.ticks = 1499;
    EXPECT_EQ(ItemTooltip(areas, tree, 0, 0), QString());
    host.system.ticks = 1999;
    ItemTooltip(areas, tree, 0, 100);
    EXPECT_EQ(base::logText(), u"Treetext: Start,   Treelink: C:\\p\\Start.xml\r\n"
                               u"Treetext: Start,   Treelink: C:\\p\\Start.xml\r\n"_s);

    base::ClearLog();
    ItemTooltip(areas, tree, 1, 100);
    ItemTooltip(areas, tree, 0, 100);
    EXPECT_EQ(base::logText(), u"Treetext: Gruppe,   Treelink: *** Hier steht kein Link !! ***\r\n"
                               u"Treetext: Start,   Treelink: C:\\p\\Start.xml\r\n"_s);

    // The tick counter wraps around.
    base::ClearLog();
    host.system.ticks = 0xFFFFFF00u;
    ItemTooltip(areas, tree, 3, 100);
    host.system.ticks = 0x00000010u;
    ItemTooltip(areas, tree, 3, 100);
    EXPECT_EQ(base::logText().count(u"Treetext: Zweite"_s), 1);

    EXPECT_EQ(ItemTooltip(areas, tree, 4, 100), QString());
    EXPECT_EQ(ItemTooltip(areas, tree, -1, 100), QString());
}

} // namespace
} // namespace morvek::config

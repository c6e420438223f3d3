#include "config/navigation.h"

#include "base/log.h"
#include "base/template_text.h"
#include "config/area_collection.h"
#include "config/page_requester.h"
#include "config/tree_item.h"
#include "platform/host.h"

namespace morvek::config {
namespace {

constexpr quint32 kTooltipRepeatMs = 500;

void ExpandWithDescendants(TreeWindow& window, TreeItemHandle item) {
    window.Expand(item);
    for (const TreeItemHandle child : window.ChildItems(item)) {
        ExpandWithDescendants(window, child);
    }
}

void ExpandSelectAndFocus(TreeWindow& window, TreeItemHandle item) {
    for (const TreeItemHandle root : window.ChildItems(kNoTreeItem)) {
        ExpandWithDescendants(window, root);
    }
    window.SelectItem(item);
    window.SetFocus();
}

void MoveBoldMark(CMyTreeCtrl& tree, TreeItemHandle item) {
    if (tree.activeItem != kNoTreeItem) {
        tree.window->SetItemBold(tree.activeItem, false);
    }
    tree.window->SetItemBold(item, true);
    tree.activeItem = item;
}

const CTreeItem* ItemAt(const CMyTreeCtrl& tree, qsizetype index) {
    const bool inRange = index >= 0 && index < static_cast<qsizetype>(tree.items.size());
    return inRange ? tree.items[static_cast<size_t>(index)].get() : nullptr;
}

// A request for the same item as the one before, and soon after it.
bool RepeatsLastRequest(const CAreaCollection& areas, const CMyTreeCtrl& tree, qsizetype index,
                        quint32 now) {
    const auto& last = areas.lastTooltip;
    return last && last->tree == &tree && last->index == index &&
           now - last->tick < kTooltipRepeatMs;
}

void LogItem(const CMyTreeCtrl& tree, const CTreeItem& item) {
    const QString link =
        item.pageFile.isEmpty() ? QStringLiteral("*** Hier steht kein Link !! ***") : item.pageFile;
    base::AppendLog(base::FillTemplate(u"Treetext: %s,   Treelink: %s",
                                       {tree.window->ItemText(item.treeHandle), link}));
}

} // namespace

void ActivateItem(CMyTreeCtrl& tree, TreeItemHandle item, qsizetype index,
                  PageRequester& requester) {
    if (!tree.window || item == kNoTreeItem) {
        return;
    }
    MoveBoldMark(tree, item);
    const CTreeItem* treeItem = ItemAt(tree, index);
    if (!treeItem || treeItem->pageFile.isEmpty()) {
        return;
    }
    requester.RequestPage(QString(treeItem->pageFile));
}

void ExpandAndActivate(CMyTreeCtrl& tree, TreeItemHandle item, PageRequester& requester) {
    if (!tree.window || item == kNoTreeItem) {
        return;
    }
    ExpandSelectAndFocus(*tree.window, item);
    ActivateItem(tree, item, tree.window->ItemData(item), requester);
}

void MarkItem(CMyTreeCtrl& tree, TreeItemHandle item) {
    if (!tree.window || item == kNoTreeItem) {
        return;
    }
    ExpandSelectAndFocus(*tree.window, item);
    MoveBoldMark(tree, item);
}

TreeItemHandle FirstRootItem(const CMyTreeCtrl& tree) {
    return tree.window ? tree.window->ChildItems(kNoTreeItem).value(0, kNoTreeItem) : kNoTreeItem;
}

QString ItemTooltip(CAreaCollection& areas, const CMyTreeCtrl& tree, qsizetype index,
                    qsizetype maxLength) {
    const CTreeItem* item = ItemAt(tree, index);
    if (!item || !tree.window) {
        return {};
    }
    const quint32 now = platform::CurrentHost().system->TickCount();
    if (!RepeatsLastRequest(areas, tree, index, now)) {
        LogItem(tree, *item);
    }
    areas.lastTooltip = CAreaCollection::TooltipRequest{&tree, index, now};
    return item->tooltip.left(qMax<qsizetype>(maxLength, 0));
}

} // namespace morvek::config

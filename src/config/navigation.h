#pragma once

#include "config/tree_window.h"

#include <QString>

namespace morvek::config {

class PageRequester;
struct CAreaCollection;
struct CMyTreeCtrl;

// Marks the item bold as the tree's active item and, when it has a page, shows that page.
// index is the item's data: its position in the tree's items.
void ActivateItem(CMyTreeCtrl& tree, TreeItemHandle item, qsizetype index,
                  PageRequester& requester);

// Expands the whole tree, selects and focuses the item and activates it.
void ExpandAndActivate(CMyTreeCtrl& tree, TreeItemHandle item, PageRequester& requester);

// As ExpandAndActivate, but without showing the page again.
void MarkItem(CMyTreeCtrl& tree, TreeItemHandle item);

// The first top-level item, or kNoTreeItem for an empty tree or one without window.
TreeItemHandle FirstRootItem(const CMyTreeCtrl& tree);

// The tooltip of item `index`, at most maxLength characters. Logs the item's text and page,
// unless the same item was asked for less than 500 ms before.
QString ItemTooltip(CAreaCollection& areas, const CMyTreeCtrl& tree, qsizetype index,
                    qsizetype maxLength);

} // namespace morvek::config

#pragma once

namespace morvek::config {

struct CMyTreeCtrl;
struct CPortal;

// The tree of the area on tab `tab`, its items read from the tree file the first time; a
// tree file is read once per opened start file. Nullptr for a tab that holds no area, for
// an area without window, when the file cannot be read, and when an item's level has no
// parent (the items before it stay).
//
// Levels: 0 is the top level, an item of level n + 1 hangs under the last item of level n
// inserted before it, an item without level beside the item before it. Levels run up to 98;
// an item with a level above that or below -1 cannot be placed and ends the loading like an
// item without parent.
CMyTreeCtrl* LoadTree(CPortal& portal, int tab);

} // namespace morvek::config

#pragma once

#include "xml/tag_data.h"

#include <QString>

namespace morvek::config {

class AreaBar;
class TreeWindow;
struct CAreaCollection;
struct CPortal;

// Control id of the first area's tree window; area i has this id plus i.
inline constexpr int kFirstTreeControlId = 3010;

// Reads the start file: its global files and its areas, with the conditions around them.
// The result is that of the last global file read, true without one, false when the start
// file could not be read (no areas then).
bool LoadStartFile(CPortal& portal, const QString& path, AreaBar* areaBar);

// i is the index after an opening BEREICH. Appends the area at its closing record and returns
// the index after it; an area that is never closed is dropped.
qsizetype LoadArea(CPortal& portal, const xml::CTagDataArray& records, qsizetype i);

// The window of an area, created in the area bar the first time; nullptr for an index that
// names no area or when the window cannot be created. Its items are loaded later.
TreeWindow* CreateAreaTree(CAreaCollection& areas, qsizetype index);

} // namespace morvek::config

#pragma once

#include "config/tree_item.h"

#include <QStringList>
#include <optional>

namespace morvek::config {

class AreaBar;

// The areas of the opened start file and what belongs to them.
struct CAreaCollection {
    CTreeCtrlArray trees;
    // Tab index of the first area: tab index minus offset is the area index.
    int tabOffset = 0;
    int navFontSize = 14;       // pixels
    AreaBar* areaBar = nullptr; // not owned
    // From the global file: each begins with ".", as written, duplicates kept.
    QStringList extensions;

    // The last tooltip request, so that hovering over one item logs it only once.
    struct TooltipRequest {
        const CMyTreeCtrl* tree = nullptr;
        qsizetype index = -1;
        quint32 tick = 0;
    };
    std::optional<TooltipRequest> lastTooltip;

    // Destroys the areas with their windows and empties the extension list.
    void Clear() {
        trees.clear();
        tabOffset = 0;
        extensions.clear();
        lastTooltip.reset();
    }
};

} // namespace morvek::config

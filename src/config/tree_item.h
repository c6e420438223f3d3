#pragma once

#include "config/tree_window.h"

#include <QString>
#include <memory>
#include <vector>

namespace morvek::config {

struct CMyTreeCtrl;

// One item of a navigation tree. Its text and icons are kept by the tree window.
struct CTreeItem {
    QString pageFile; // resolved; empty for an item that only groups its children
    QString tooltip;
    TreeItemHandle treeHandle = kNoTreeItem;
    CMyTreeCtrl* tree = nullptr;
};

// The items of a tree in file order; an item's position is its window item's data.
using CTreeItemArray = std::vector<std::unique_ptr<CTreeItem>>;

// An area of the start file with its navigation tree.
struct CMyTreeCtrl {
    QString areaName;
    int areaIcon = -1;
    QString treeFile;

    CTreeItemArray items;
    TreeItemHandle activeItem = kNoTreeItem; // shown in bold
    // Created after the start file is loaded; none when it could not be created.
    std::unique_ptr<TreeWindow> window;
};

// The areas in start-file order; destroying an area destroys its window.
using CTreeCtrlArray = std::vector<std::unique_ptr<CMyTreeCtrl>>;

} // namespace morvek::config

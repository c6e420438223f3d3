#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace morvek::config {

// Names an item of a tree window; kNoTreeItem names none and, as a parent, the top level.
using TreeItemHandle = quintptr;
inline constexpr TreeItemHandle kNoTreeItem = 0;

// The window of an area's navigation tree, as the navigation model drives it: the main
// window's tree widget, an in-memory tree for tools and tests. It is created with the tree
// icon list; icon numbers index that list, -1 shows none.
class TreeWindow {
public:
    virtual ~TreeWindow() = default;

    // Appends an item as the last child of parent; its item data is data. Returns
    // kNoTreeItem when the item cannot be inserted.
    virtual TreeItemHandle InsertItem(TreeItemHandle parent, const QString& text, int image,
                                      int selectedImage, qsizetype data) = 0;
    // The children of an item in order; of kNoTreeItem, the top-level items.
    virtual QList<TreeItemHandle> ChildItems(TreeItemHandle parent) const = 0;
    virtual QString ItemText(TreeItemHandle item) const = 0;
    virtual qsizetype ItemData(TreeItemHandle item) const = 0;

    virtual void Expand(TreeItemHandle item) = 0;
    // Selecting from here is not a keyboard change: it shows no page by itself.
    virtual void SelectItem(TreeItemHandle item) = 0;
    virtual void SetItemBold(TreeItemHandle item, bool bold) = 0;
    virtual void SetFocus() = 0;

    virtual void SetFontPixelSize(int pixels) = 0;
    // colourRef is a Windows colour value, 0x00BBGGRR.
    virtual void SetBackgroundColour(quint32 colourRef) = 0;
};

} // namespace morvek::config

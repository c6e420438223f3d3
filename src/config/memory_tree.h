#pragma once

#include "config/area_bar.h"
#include "config/tree_window.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace morvek::config {

// A tree window without a window: it keeps the items and their states, for the tools that
// open a portal on the command line and for tests.
class MemoryTreeWindow final : public TreeWindow {
public:
    struct Item {
        TreeItemHandle parent = kNoTreeItem;
        QString text;
        int image = -1;
        int selectedImage = -1;
        qsizetype data = -1;
        bool expanded = false;
        bool bold = false;
        QList<TreeItemHandle> children;
    };

    explicit MemoryTreeWindow(int windowId) : controlId(windowId) {}

    TreeItemHandle InsertItem(TreeItemHandle parent, const QString& text, int image,
                              int selectedImage, qsizetype data) override;
    QList<TreeItemHandle> ChildItems(TreeItemHandle parent) const override;
    QString ItemText(TreeItemHandle item) const override;
    qsizetype ItemData(TreeItemHandle item) const override;
    void Expand(TreeItemHandle item) override;
    void SelectItem(TreeItemHandle item) override { selected = item; }
    void SetItemBold(TreeItemHandle item, bool bold) override;
    void SetFocus() override { focused = true; }
    void SetFontPixelSize(int pixels) override { fontPixelSize = pixels; }
    void SetBackgroundColour(quint32 colour) override { backgroundColour = colour; }

    // The item of a handle; nullptr for one this tree did not hand out.
    const Item* Find(TreeItemHandle item) const;
    // The number of ancestors of an item.
    int Depth(TreeItemHandle item) const;

    const int controlId;
    TreeItemHandle selected = kNoTreeItem;
    bool focused = false;
    int fontPixelSize = 0;
    quint32 backgroundColour = 0;

private:
    Item* FindItem(TreeItemHandle item);

    // Handle h names items[h - 1].
    std::vector<Item> items;
    QList<TreeItemHandle> roots;
};

// An area bar without a window: a list of tabs.
class MemoryAreaBar final : public AreaBar {
public:
    struct Tab {
        QString label;
        int icon = -1;
        bool visible = true;
        TreeWindow* tree = nullptr; // none for the calendar
    };

    void RemoveAllTabs() override;
    void AddCalendarTab(const QString& label, bool visible) override;
    void AddAreaTab(TreeWindow& tree, const QString& label, int icon) override;
    int TabCount() const override { return static_cast<int>(tabs.size()); }
    int ActiveTab() const override { return activeTab; }
    void SetActiveTab(int tab) override;
    std::unique_ptr<TreeWindow> CreateTreeWindow(int controlId) override;

    QList<Tab> tabs;
    int activeTab = -1;
    bool calendarCreated = false;
};

} // namespace morvek::config

#include "config/memory_tree.h"

namespace morvek::config {

TreeItemHandle MemoryTreeWindow::InsertItem(TreeItemHandle parent, const QString& text, int image,
                                            int selectedImage, qsizetype data) {
    if (parent != kNoTreeItem && !Find(parent)) {
        return kNoTreeItem;
    }
    items.push_back(Item{parent, text, image, selectedImage, data, false, false, {}});
    const auto handle = static_cast<TreeItemHandle>(items.size());
    if (Item* parentItem = FindItem(parent)) {
        parentItem->children.append(handle);
    } else {
        roots.append(handle);
    }
    return handle;
}

QList<TreeItemHandle> MemoryTreeWindow::ChildItems(TreeItemHandle parent) const {
    if (parent == kNoTreeItem) {
        return roots;
    }
    const Item* item = Find(parent);
    return item ? item->children : QList<TreeItemHandle>();
}

QString MemoryTreeWindow::ItemText(TreeItemHandle item) const {
    const Item* found = Find(item);
    return found ? found->text : QString();
}

qsizetype MemoryTreeWindow::ItemData(TreeItemHandle item) const {
    const Item* found = Find(item);
    return found ? found->data : -1;
}

void MemoryTreeWindow::Expand(TreeItemHandle item) {
    if (Item* found = FindItem(item)) {
        found->expanded = true;
    }
}

void MemoryTreeWindow::SetItemBold(TreeItemHandle item, bool bold) {
    if (Item* found = FindItem(item)) {
        found->bold = bold;
    }
}

const MemoryTreeWindow::Item* MemoryTreeWindow::Find(TreeItemHandle item) const {
    const bool known = item != kNoTreeItem && item <= items.size();
    return known ? &items[item - 1] : nullptr;
}

MemoryTreeWindow::Item* MemoryTreeWindow::FindItem(TreeItemHandle item) {
    return const_cast<Item*>(std::as_const(*this).Find(item));
}

int MemoryTreeWindow::Depth(TreeItemHandle item) const {
    int depth = 0;
    for (const Item* found = Find(item); found && found->parent != kNoTreeItem;
         found = Find(found->parent)) {
        ++depth;
    }
    return depth;
}

void MemoryAreaBar::RemoveAllTabs() {
    tabs.clear();
    activeTab = -1;
}

void MemoryAreaBar::AddCalendarTab(const QString& label, bool visible) {
    calendarCreated = true;
    tabs.append(Tab{label, 0, visible, nullptr});
}

void MemoryAreaBar::AddAreaTab(TreeWindow& tree, const QString& label, int icon) {
    tabs.append(Tab{label, icon, true, &tree});
}

void MemoryAreaBar::SetActiveTab(int tab) {
    if (tab >= 0 && tab < TabCount()) {
        activeTab = tab;
    }
}

std::unique_ptr<TreeWindow> MemoryAreaBar::CreateTreeWindow(int controlId) {
    return std::make_unique<MemoryTreeWindow>(controlId);
}

} // namespace morvek::config

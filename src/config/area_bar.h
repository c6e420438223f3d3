#pragma once

#include "config/tree_window.h"

#include <QString>
#include <memory>

namespace morvek::config {

// The area bar on the left of the main window: one tab for the calendar, one per area.
class AreaBar {
public:
    virtual ~AreaBar() = default;

    // The tab windows stay with their owners; the calendar pane stays with the bar.
    virtual void RemoveAllTabs() = 0;
    // Creates the calendar pane the first time and adds it as a tab with the calendar icon.
    virtual void AddCalendarTab(const QString& label, bool visible) = 0;
    virtual void AddAreaTab(TreeWindow& tree, const QString& label, int icon) = 0;
    virtual int TabCount() const = 0;
    // -1 when no tab is active.
    virtual int ActiveTab() const = 0;
    // Makes a tab active without the tab-change notification; the caller sends it.
    virtual void SetActiveTab(int tab) = 0;

    // A new, empty tree window as a child of the bar; nullptr when none can be created.
    virtual std::unique_ptr<TreeWindow> CreateTreeWindow(int controlId) = 0;
};

} // namespace morvek::config

#pragma once

#include <QtGlobal>

struct xcb_connection_t;

namespace morvek::platform {

// The client windows that the window manager of the X display in DISPLAY lists
// (_NET_CLIENT_LIST). Without a display, or under a window manager that keeps no such list,
// it holds no windows.
class X11WindowList final {
public:
    X11WindowList();
    ~X11WindowList();
    X11WindowList(const X11WindowList&) = delete;
    X11WindowList& operator=(const X11WindowList&) = delete;

    // Asks the window manager to activate the first viewable window whose _NET_WM_PID is the
    // process; false when the process has none.
    bool ActivateWindowOf(qint64 processId);

private:
    quint32 Atom(const char* name) const;

    xcb_connection_t* connection = nullptr;
    quint32 root = 0;
    quint32 clientList = 0;
    quint32 windowPid = 0;
    quint32 activeWindow = 0;
};

} // namespace morvek::platform

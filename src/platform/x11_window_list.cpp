#include "platform/x11_window_list.h"

#include <QList>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace morvek::platform {
namespace {

// A reply of xcb, which the caller frees.
template <typename Reply>
struct FreedReply {
    explicit FreedReply(Reply* owned) : reply(owned) {}
    ~FreedReply() { std::free(reply); }
    FreedReply(const FreedReply&) = delete;
    FreedReply& operator=(const FreedReply&) = delete;
    Reply* reply;
};

constexpr quint32 kLongProperty = 1;
constexpr quint32 kMaxClients = 4096;
constexpr quint32 kSourcePager = 2; // pagers may activate windows without focus stealing rules

} // namespace

X11WindowList::X11WindowList() {
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        return;
    }
    root = screens.data->root;
    clientList = Atom("_NET_CLIENT_LIST");
    windowPid = Atom("_NET_WM_PID");
    activeWindow = Atom("_NET_ACTIVE_WINDOW");
}

X11WindowList::~X11WindowList() {
    xcb_disconnect(connection);
}

quint32 X11WindowList::Atom(const char* name) const {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 1, static_cast<quint16>(std::strlen(name)), name);
    const FreedReply atom(xcb_intern_atom_reply(connection, cookie, nullptr));
    return atom.reply ? atom.reply->atom : quint32{XCB_ATOM_NONE};
}

bool X11WindowList::ActivateWindowOf(qint64 processId) {
    if (root == 0 || clientList == XCB_ATOM_NONE || windowPid == XCB_ATOM_NONE) {
        return false;
    }
    const FreedReply clients(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, clientList, XCB_ATOM_WINDOW, 0, kMaxClients),
        nullptr));
    if (!clients.reply || clients.reply->format != 32) {
        return false;
    }
    const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(clients.reply));
    const int count = xcb_get_property_value_length(clients.reply) / 4;
    QList<xcb_get_property_cookie_t> pids;
    QList<xcb_get_window_attributes_cookie_t> attributes;
    for (int i = 0; i < count; ++i) {
        pids.append(xcb_get_property(connection, 0, windows[i], windowPid, XCB_ATOM_CARDINAL, 0,
                                     kLongProperty));
        attributes.append(xcb_get_window_attributes(connection, windows[i]));
    }
    xcb_window_t found = XCB_WINDOW_NONE;
    for (int i = 0; i < count; ++i) {
        const FreedReply pid(xcb_get_property_reply(connection, pids[i], nullptr));
        const FreedReply state(xcb_get_window_attributes_reply(connection, attributes[i], nullptr));
        const bool ofProcess =
            pid.reply && xcb_get_property_value_length(pid.reply) == 4 &&
            *static_cast<const quint32*>(xcb_get_property_value(pid.reply)) == processId;
        if (found == XCB_WINDOW_NONE && ofProcess && state.reply &&
            state.reply->map_state == XCB_MAP_STATE_VIEWABLE) {
            found = windows[i];
        }
    }
    if (found == XCB_WINDOW_NONE) {
        return false;
    }
    xcb_client_message_event_t activate{};
    activate.response_type = XCB_CLIENT_MESSAGE;
    activate.format = 32;
    activate.window = found;
    activate.type = activeWindow;
    activate.data.data32[0] = kSourcePager;
    activate.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&activate));
    xcb_flush(connection);
    return true;
}

} // namespace morvek::platform

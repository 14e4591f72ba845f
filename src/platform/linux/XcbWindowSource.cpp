#include "platform/linux/XcbWindowSource.h"

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <cstdlib>
#include <memory>

namespace vespera {

namespace {

struct ConnectionClose {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionClose>;

// The EWMH atoms of a connection; a failed set-up has freed its own parts already.
struct Ewmh : xcb_ewmh_connection_t {
    Ewmh() : xcb_ewmh_connection_t() {}
    ~Ewmh() {
        if (ready)
            xcb_ewmh_connection_wipe(this);
    }
    Ewmh(const Ewmh&) = delete;
    Ewmh& operator=(const Ewmh&) = delete;
    bool ready = false;
};

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

// The requests of one window, sent together so that a listing waits for the server once per window.
struct WindowRequests {
    xcb_get_property_cookie_t pid, name, type, state, legacyName, transient;
    xcb_get_window_attributes_cookie_t attributes;
};

WindowRequests request(xcb_connection_t* c, xcb_ewmh_connection_t& ewmh, xcb_window_t w) {
    return {xcb_ewmh_get_wm_pid(&ewmh, w),
            xcb_ewmh_get_wm_name(&ewmh, w),
            xcb_ewmh_get_wm_window_type(&ewmh, w),
            xcb_ewmh_get_wm_state(&ewmh, w),
            xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            xcb_get_property(c, 0, w, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1),
            xcb_get_window_attributes(c, w)};
}

QString legacyCaption(xcb_connection_t* c, xcb_get_property_cookie_t cookie) {
    const auto reply = owned(xcb_get_property_reply(c, cookie, nullptr));
    if (!reply || reply->format != 8)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return QString::fromUtf8(text, xcb_get_property_value_length(reply.get()));
}

QString caption(xcb_connection_t* c, xcb_ewmh_connection_t& ewmh, const WindowRequests& r) {
    xcb_ewmh_get_utf8_strings_reply_t name{};
    if (xcb_ewmh_get_wm_name_reply(&ewmh, r.name, &name, nullptr)) {
        QString text = QString::fromUtf8(name.strings, static_cast<qsizetype>(name.strings_len));
        xcb_ewmh_get_utf8_strings_reply_wipe(&name);
        xcb_discard_reply(c, r.legacyName.sequence);
        return text;
    }
    return legacyCaption(c, r.legacyName);
}

// Normal windows and dialogs are program windows; every other type helps another window.
bool helperType(xcb_ewmh_connection_t& ewmh, xcb_get_property_cookie_t cookie) {
    xcb_ewmh_get_atoms_reply_t types{};
    if (!xcb_ewmh_get_wm_window_type_reply(&ewmh, cookie, &types, nullptr))
        return false;
    bool helper = false;
    if (types.atoms_len > 0) {
        const xcb_atom_t first = types.atoms[0];
        helper = first != ewmh._NET_WM_WINDOW_TYPE_NORMAL && first != ewmh._NET_WM_WINDOW_TYPE_DIALOG;
    }
    xcb_ewmh_get_atoms_reply_wipe(&types);
    return helper;
}

void readState(xcb_ewmh_connection_t& ewmh, xcb_get_property_cookie_t cookie, TWindowObject& window) {
    xcb_ewmh_get_atoms_reply_t state{};
    if (!xcb_ewmh_get_wm_state_reply(&ewmh, cookie, &state, nullptr))
        return;
    for (std::uint32_t i = 0; i < state.atoms_len; ++i) {
        if (state.atoms[i] == ewmh._NET_WM_STATE_HIDDEN)
            window.iconic = true;
        if (state.atoms[i] == ewmh._NET_WM_STATE_SKIP_TASKBAR)
            window.toolWindow = true;
    }
    xcb_ewmh_get_atoms_reply_wipe(&state);
}

std::uint32_t owner(xcb_connection_t* c, xcb_get_property_cookie_t cookie, xcb_window_t root) {
    const auto reply = owned(xcb_get_property_reply(c, cookie, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return 0;
    const auto window = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    return window == root ? 0 : window;
}

// A window that closed while it was read has no attributes: it is left out.
bool readWindow(xcb_connection_t* c, xcb_ewmh_connection_t& ewmh, xcb_window_t root, xcb_window_t w,
                const WindowRequests& r, TWindowObject& window) {
    window = TWindowObject{};
    window.handle = w;
    std::uint32_t pid = 0;
    if (xcb_ewmh_get_wm_pid_reply(&ewmh, r.pid, &pid, nullptr))
        window.processId = pid;
    window.caption = caption(c, ewmh, r);
    window.toolWindow = helperType(ewmh, r.type);
    readState(ewmh, r.state, window);
    window.owner = owner(c, r.transient, root);
    const auto attributes = owned(xcb_get_window_attributes_reply(c, r.attributes, nullptr));
    if (!attributes)
        return false;
    window.visible = attributes->map_state == XCB_MAP_STATE_VIEWABLE || window.iconic;
    return true;
}

} // namespace

XcbWindowSource::XcbWindowSource(QByteArray displayName) : displayName_(std::move(displayName)) {}

bool XcbWindowSource::listWindows(std::vector<TWindowObject>& windows) {
    windows.clear();
    int screenNumber = 0;
    const Connection c(
        xcb_connect(displayName_.isEmpty() ? nullptr : displayName_.constData(), &screenNumber));
    if (xcb_connection_has_error(c.get()))
        return false;
    Ewmh ewmh;
    ewmh.ready = xcb_ewmh_init_atoms_replies(&ewmh, xcb_ewmh_init_atoms(c.get(), &ewmh), nullptr) != 0;
    if (!ewmh.ready)
        return false;
    const xcb_window_t root = ewmh.screens[screenNumber]->root;
    xcb_ewmh_get_windows_reply_t list{};
    if (!xcb_ewmh_get_client_list_reply(&ewmh, xcb_ewmh_get_client_list(&ewmh, screenNumber), &list, nullptr))
        return false;
    std::vector<WindowRequests> requests;
    requests.reserve(list.windows_len);
    for (std::uint32_t i = 0; i < list.windows_len; ++i)
        requests.push_back(request(c.get(), ewmh, list.windows[i]));
    for (std::uint32_t i = 0; i < list.windows_len; ++i) {
        TWindowObject window;
        if (readWindow(c.get(), ewmh, root, list.windows[i], requests[i], window))
            windows.push_back(std::move(window));
    }
    xcb_ewmh_get_windows_reply_wipe(&list);
    return true;
}

std::unique_ptr<WindowSource> createWindowSource() {
    return std::make_unique<XcbWindowSource>();
}

} // namespace vespera

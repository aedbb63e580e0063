#include "view/platform/x11_hints.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

namespace numbrel {
namespace {

// The Motif window manager hints, as window managers read them: which fields are set, the
// functions offered, the decorations drawn, then two fields left unused.
enum MotifFlags : std::uint32_t { kFunctions = 1, kDecorations = 2 };
enum MotifFunctions : std::uint32_t { kMove = 4, kMinimize = 8, kClose = 32 };
enum MotifDecorations : std::uint32_t { kBorder = 2, kTitle = 8, kMenu = 16, kMinimizeButton = 32 };

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (reply == nullptr) return XCB_ATOM_NONE;
    const xcb_atom_t found = reply->atom;
    std::free(reply);
    return found;
}

}  // namespace

void offerNoResizing(QWidget& window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 too, without a connection.
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return;
    const xcb_atom_t hintsAtom = atom(connection, "_MOTIF_WM_HINTS");
    if (hintsAtom == XCB_ATOM_NONE) return;
    const std::array<std::uint32_t, 5> hints{kFunctions | kDecorations, kMove | kMinimize | kClose,
                                             kBorder | kTitle | kMenu | kMinimizeButton, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), hintsAtom, hintsAtom, 32,
                        hints.size(), hints.data());
    xcb_flush(connection);
}

}  // namespace numbrel

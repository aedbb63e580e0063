#pragma once

// The X11 window manager hints of a window of one fixed size, written through xcb, the library
// Qt's X11 support is built on. Built without xcb (the build finds no xcb headers), the window
// keeps Qt's own hints.

class QWidget;

namespace numbrel {

// Tells an X11 window manager that the window can be moved, minimized and closed, but neither
// resized nor maximized. Qt's own hints offer resizing whenever they offer anything, so they
// are written over. Does nothing on other platforms.
#ifdef NUMBREL_X11_HINTS
void offerNoResizing(QWidget& window);
#else
inline void offerNoResizing(QWidget& /*window*/) {}
#endif

}  // namespace numbrel

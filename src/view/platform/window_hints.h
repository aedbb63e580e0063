#pragma once

// The X11 window manager hints of a window of one fixed size.

class QWidget;

namespace numbrel {

// Tells an X11 window manager that the window can be moved, minimized and closed, but neither
// resized nor maximized. Qt's own hints offer resizing whenever they offer anything, so they
// are written over. Does nothing on other platforms, nor when built without xcb.
void offerNoResizing(QWidget& window);

}  // namespace numbrel

#pragma once

// A window of one fixed size, on every desktop.

class QSize;
class QWidget;

namespace numbrel {

// Gives the window its one size and keeps it there. The window manager offers no maximize
// button, nor resizing: Qt's window flags say so, and X11 window managers, which read Qt's
// hints as offering resizing whenever they offer anything, get hints of their own as the
// window is shown. Whenever the window is maximized or made full screen all the same (a title
// bar's button, a compositor's shortcut), it is put back in its normal state at its one size.
//
// On Wayland a maximized window must take exactly the size the compositor chose, and a fixed
// window cannot; the compositor ends the connection at its next frame. By the time the window
// hears of the new state its toolkit has already agreed to it, so the window's surface is
// given up before it draws again and made afresh in the normal state: the widgets and what
// they show stay as they are.
void fixSize(QWidget& window, const QSize& size);

}  // namespace numbrel

#pragma once

// Keeps a window of one fixed size out of the maximized and full-screen states.

class QWidget;

namespace numbrel {

// Whenever the window is maximized or made full screen (a title bar's button, a compositor's
// shortcut), puts it back in its normal state at its one size.
//
// On Wayland a maximized window must take exactly the size the compositor chose, and a fixed
// window cannot; the compositor ends the connection at its next frame. By the time the window
// hears of the new state its toolkit has already agreed to it, so the window's surface is
// given up before it draws again and made afresh in the normal state: the widgets and what
// they show stay as they are.
void keepInNormalState(QWidget& window);

}  // namespace numbrel

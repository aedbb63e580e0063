#include "view/platform/window_hints.h"

// Built without xcb, which writes the X11 hints: the window keeps Qt's own.
namespace numbrel {

void offerNoResizing(QWidget& /*window*/) {}

}  // namespace numbrel

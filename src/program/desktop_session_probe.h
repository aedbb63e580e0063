#pragma once

namespace numbrel {

// What the environment says of the desktop session: neither DISPLAY nor WAYLAND_DISPLAY set,
// set but no server accepting a connection there, or a server that answers.
enum class DesktopSession { NotSet, Unreachable, Answers };

DesktopSession probeDesktopSession();

}  // namespace numbrel

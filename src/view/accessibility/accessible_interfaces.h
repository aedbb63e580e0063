#pragma once

// Gives the display, the keys and the announcer the accessible interfaces screen readers see,
// and tells readers of the display's edits in the characters and offsets its interface gives
// them.

namespace numbrel {

// Installs the window's accessible interfaces with Qt; the second and later calls do nothing.
// Qt asks for them only once a screen reader listens.
void installAccessibleInterfaces();

}  // namespace numbrel

#pragma once

// Gives the display, the keys and the announcer the accessible interfaces screen readers see.

namespace numbrel {

// Installs the window's accessible interfaces with Qt; the second and later calls do nothing.
// Qt asks for them only once a screen reader listens.
void installAccessibleInterfaces();

}  // namespace numbrel

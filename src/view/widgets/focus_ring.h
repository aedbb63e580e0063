#pragma once

// The colour of the ring drawn around the widget with the keyboard focus.

#include <initializer_list>

#include <QColor>
#include <QPalette>

namespace numbrel {

// The palette's highlight colour where it stands out by at least 3:1 (the contrast a focus
// indicator needs) from every colour the ring borders on; otherwise black or white, whichever
// stands out more from the least distinct of them.
QColor focusRingColour(const QPalette& palette, std::initializer_list<QColor> neighbours);

}  // namespace numbrel

#pragma once

// The hidden registers hold their values as text, exactly as copied from the display. A
// register is set when its text is not exactly empty: '0', '.' and ' ' all count as set.

#include "app/controls.h"

namespace numbrel {

inline bool isSet(const TextBox& reg) { return !reg.Text.empty(); }

}  // namespace numbrel

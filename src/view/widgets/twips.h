#pragma once

// Control places come in twips (1/1440 inch); widgets are placed in pixels. Twips are turned
// into pixels by the screen's logical resolution and rounded to the nearest pixel: at 96 dpi
// 15 twips make one pixel.

#include <cmath>

#include <QPaintDevice>
#include <QRect>

#include "app/controls.h"

namespace numbrel {

inline int twipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

// A control's place at the given horizontal and vertical resolution.
inline QRect twipsToPixels(const Twips& twips, int dpiX, int dpiY) {
    return {twipsToPixels(twips.left, dpiX), twipsToPixels(twips.top, dpiY),
            twipsToPixels(twips.width, dpiX), twipsToPixels(twips.height, dpiY)};
}

// A control's place on the given device, by the device's logical resolution.
inline QRect twipsToPixels(const Twips& twips, const QPaintDevice& device) {
    return twipsToPixels(twips, device.logicalDpiX(), device.logicalDpiY());
}

}  // namespace numbrel

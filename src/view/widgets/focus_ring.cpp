#include "view/widgets/focus_ring.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace numbrel {
namespace {

constexpr double kMinimumContrast = 3.0;

// Relative luminance of an sRGB colour, from 0 for black to 1 for white.
double luminance(const QColor& colour) {
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

double leastContrast(const QColor& ring, std::initializer_list<QColor> neighbours) {
    double least = std::numeric_limits<double>::infinity();
    for (const QColor& neighbour : neighbours) least = std::min(least, contrast(ring, neighbour));
    return least;
}

}  // namespace

QColor focusRingColour(const QPalette& palette, std::initializer_list<QColor> neighbours) {
    const QColor highlight = palette.color(QPalette::Highlight);
    if (leastContrast(highlight, neighbours) >= kMinimumContrast) return highlight;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return leastContrast(black, neighbours) >= leastContrast(white, neighbours) ? black : white;
}

}  // namespace numbrel

#include "view/font_fitting.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

namespace numbrel {
namespace {

// Sizes are tried in quarter points, so the few sizes in use keep their glyphs in Qt's cache.
constexpr qreal kSizeStep = 0.25;

qreal advance(const QFont& font, const QString& text, const QPaintDevice& device) {
    return QFontMetricsF(font, &device).horizontalAdvance(text);
}

// A narrow face: Liberation Sans Narrow where it is installed, else Liberation Sans, which is
// narrower than most interface faces, else the font's own face.
QFont narrowFace(const QFont& font) {
    QFont narrow = font;
    QStringList families{QStringLiteral("Liberation Sans Narrow"),
                         QStringLiteral("Liberation Sans")};
    families += font.families();
    families += font.family();
    narrow.setFamilies(families);
    return narrow;
}

}  // namespace

bool textFits(const QFont& font, const QString& text, qreal room, const QPaintDevice& device) {
    return advance(font, text, device) <= room;
}

QFont fittingFont(const QFont& font, const QString& text, qreal room, qreal floorPoints,
                  const QPaintDevice& device) {
    if (textFits(font, text, room, device)) return font;
    QFont narrow = narrowFace(font);
    const qreal fullSize = font.pointSizeF();
    const qreal fullWidth = advance(narrow, text, device);
    if (fullWidth <= room) return narrow;

    // Widths grow almost in proportion to the size; the first guess is corrected by measuring.
    qreal size = std::floor(fullSize * room / fullWidth / kSizeStep) * kSizeStep;
    for (;; size -= kSizeStep) {
        narrow.setPointSizeF(std::max(size, floorPoints));
        if (size <= floorPoints || textFits(narrow, text, room, device)) return narrow;
    }
}

}  // namespace numbrel

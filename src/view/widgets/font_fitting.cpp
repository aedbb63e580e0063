#include "view/widgets/font_fitting.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QFontInfo>
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

// `font` at `points`, or at the next quarter point down for which `fits` holds, but never below
// the floor.
template <class Fits>
QFont shrunk(QFont font, qreal points, qreal floorPoints, Fits fits) {
    for (;; points -= kSizeStep) {
        font.setPointSizeF(std::max(points, floorPoints));
        if (points <= floorPoints || fits(font)) return font;
    }
}

// Whether the lines fit the room as the style draws them, each centred on its advance below the
// last: their ink stays a pixel clear of the room's sides, their line boxes within its height.
bool linesFit(const QFont& font, const QString& lines, const QSizeF& room,
              const QPaintDevice& device) {
    constexpr qreal kInkClearance = 1;
    const QFontMetricsF metrics(font, &device);
    const QStringList each = lines.split(u'\n');
    const auto count = static_cast<qreal>(each.size());
    if (count * metrics.height() + (count - 1) * metrics.leading() > room.height()) return false;
    return std::ranges::all_of(each, [&](const QString& line) {
        const qreal halfAdvance = metrics.horizontalAdvance(line) / 2;
        const QRectF ink = metrics.tightBoundingRect(line);
        const qreal halfInk = std::max(halfAdvance - ink.left(), ink.right() - halfAdvance);
        return 2 * (halfInk + kInkClearance) <= room.width();
    });
}

// The caption broken at the space that leaves its wider line narrowest; without a space, the
// caption as it is.
QString brokenInTwo(const QString& caption, const QFontMetricsF& metrics) {
    QString best = caption;
    qreal bestWidth = std::numeric_limits<qreal>::infinity();
    for (qsizetype space = caption.indexOf(u' '); space >= 0;
         space = caption.indexOf(u' ', space + 1)) {
        const QString first = caption.first(space);
        const QString second = caption.sliced(space + 1);
        const qreal wider =
            std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (wider < bestWidth) {
            best = first + u'\n' + second;
            bestWidth = wider;
        }
    }
    return best;
}

}  // namespace

bool textFits(const QFont& font, const QString& text, qreal room, const QPaintDevice& device) {
    return advance(font, text, device) <= room;
}

QFont fittingFont(const QFont& font, const QString& text, qreal room, qreal floorPoints,
                  const QPaintDevice& device) {
    if (textFits(font, text, room, device)) return font;
    const QFont narrow = narrowFace(font);
    const qreal fullWidth = advance(narrow, text, device);
    if (fullWidth <= room) return narrow;

    // Widths grow almost in proportion to the size; the first guess is corrected by measuring.
    const qreal guess = std::floor(font.pointSizeF() * room / fullWidth / kSizeStep) * kSizeStep;
    return shrunk(narrow, guess, floorPoints,
                  [&](const QFont& size) { return textFits(size, text, room, device); });
}

// Every size from the font's own down is tried, since hinting does not shrink widths in
// proportion; a desktop font given in pixels starts from its size in points.
CaptionLayout fittingCaption(const QFont& font, const QString& caption, const QSizeF& room,
                             qreal floorPoints, const QPaintDevice& device) {
    const QString layouts[] = {caption, brokenInTwo(caption, QFontMetricsF(font, &device))};
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    QString chosen = layouts[1];
    QFont fitted = shrunk(font, points, std::min(points, floorPoints), [&](const QFont& size) {
        const auto fitting = std::ranges::find_if(
            layouts, [&](const QString& lines) { return linesFit(size, lines, room, device); });
        if (fitting == std::end(layouts)) return false;
        chosen = *fitting;
        return true;
    });
    return {chosen, fitted};
}

}  // namespace numbrel

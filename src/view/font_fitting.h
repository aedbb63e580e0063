#pragma once

// Choosing the font that shows a text whole in a given width: the widget's own font when the
// text fits, else a narrow face at the same size, else that face shrunk just enough, down to a
// floor.

#include <QFont>

class QPaintDevice;
class QString;

namespace numbrel {

// Whether `text` in `font` is at most `room` pixels wide on `device`.
bool textFits(const QFont& font, const QString& text, qreal room, const QPaintDevice& device);

// The font for `text` in `room` pixels of `device`, no smaller than `floorPoints`. A text too
// wide even at the floor gets the floor.
QFont fittingFont(const QFont& font, const QString& text, qreal room, qreal floorPoints,
                  const QPaintDevice& device);

}  // namespace numbrel

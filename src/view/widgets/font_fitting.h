#pragma once

// Choosing the font that shows a text whole in the room it is given. The display's number keeps
// one line: the widget's own font when it fits, else a narrow face at the same size, else that
// face shrunk just enough, down to a floor. A key's caption keeps its face: it stays at its size
// on one line or broken onto two, and shrinks only where neither fits.

#include <QFont>
#include <QSizeF>
#include <QString>

class QPaintDevice;

namespace numbrel {

// Whether `text` in `font` is at most `room` pixels wide on `device`.
bool textFits(const QFont& font, const QString& text, qreal room, const QPaintDevice& device);

// The font for `text` in `room` pixels of `device`, no smaller than `floorPoints`. A text too
// wide even at the floor gets the floor.
QFont fittingFont(const QFont& font, const QString& text, qreal room, qreal floorPoints,
                  const QPaintDevice& device);

// A caption as it is drawn: its lines, separated by '\n', and their font.
struct CaptionLayout {
    QString lines;
    QFont font;
};

// The caption in `font`'s face at the largest size, up to `font`'s own, at which it fits `room`
// on `device` with its ink a pixel clear of the room's sides: at each size on one line, else
// broken onto two at a space. A caption too large even at `floorPoints` gets the floor.
CaptionLayout fittingCaption(const QFont& font, const QString& caption, const QSizeF& room,
                             qreal floorPoints, const QPaintDevice& device);

}  // namespace numbrel

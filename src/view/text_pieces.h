#pragma once

// Where the characters, words and lines of a one-line text begin and end, for a screen reader
// reading the display piece by piece. Every answer comes from a plain forward scan that ends.

#include <QAccessible>
#include <QStringView>

namespace numbrel {

// Offsets [start, end) into the text; start == end for no piece.
struct TextPiece {
    int start = 0;
    int end = 0;
};

// The piece of this kind that holds the offset. A word is a run of non-blank characters with
// the blanks after it; a line, sentence or paragraph is the whole text. The end of the text
// belongs to the last piece, except for characters, where it holds none. An offset outside
// the text is taken as the nearest end.
TextPiece pieceAt(QStringView text, QAccessible::TextBoundaryType kind, int offset);

// The piece just before or just after the one that holds the offset; none at either end.
TextPiece pieceBefore(QStringView text, QAccessible::TextBoundaryType kind, int offset);
TextPiece pieceAfter(QStringView text, QAccessible::TextBoundaryType kind, int offset);

}  // namespace numbrel

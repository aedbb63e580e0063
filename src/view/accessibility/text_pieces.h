#pragma once

// Where the characters, words and lines of a one-line text begin and end, for a screen reader
// reading the display piece by piece. A character is a grapheme cluster: a base character with
// its combining marks, or a character beyond 16 bits, is one piece. Each answer scans only the
// piece it returns and its neighbours.

#include <QAccessible>

#include "view/accessibility/reader_text.h"

namespace numbrel {

// Offsets [start, end) into the text; start == end for no piece.
struct TextPiece {
    int start = 0;
    int end = 0;
};

// The piece of this kind that holds the offset (0 to the text's size). A word is a run of
// non-blank characters with the blanks after it; a line, sentence or paragraph is the whole
// text. The end of the text belongs to the last piece, except for characters, where it holds
// none.
TextPiece pieceAt(const ReaderText& text, QAccessible::TextBoundaryType kind, int offset);

// The piece just before or just after the one that holds the offset; none at either end.
TextPiece pieceBefore(const ReaderText& text, QAccessible::TextBoundaryType kind, int offset);
TextPiece pieceAfter(const ReaderText& text, QAccessible::TextBoundaryType kind, int offset);

}  // namespace numbrel

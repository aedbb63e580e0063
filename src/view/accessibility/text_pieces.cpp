#include "view/accessibility/text_pieces.h"

namespace numbrel {
namespace {

// Whether a piece of this kind begins at `offset`, a cluster start inside the text.
bool startsPiece(const ReaderText& text, QAccessible::TextBoundaryType kind, int offset) {
    if (offset == 0 || !text.startsCluster(offset)) return offset == 0;
    if (kind == QAccessible::CharBoundary) return true;
    int previous = offset - 1;
    while (!text.startsCluster(previous)) --previous;
    return text.isBlank(previous) && !text.isBlank(offset);
}

}  // namespace

TextPiece pieceAt(const ReaderText& text, QAccessible::TextBoundaryType kind, int offset) {
    const int size = text.size();
    if (offset >= size) {
        if (size == 0 || kind == QAccessible::CharBoundary) return {size, size};
        offset = size - 1;
    }
    if (kind != QAccessible::CharBoundary && kind != QAccessible::WordBoundary) return {0, size};
    int start = offset;
    while (!startsPiece(text, kind, start)) --start;
    int end = offset + 1;
    while (end < size && !startsPiece(text, kind, end)) ++end;
    return {start, end};
}

TextPiece pieceBefore(const ReaderText& text, QAccessible::TextBoundaryType kind, int offset) {
    const TextPiece at = pieceAt(text, kind, offset);
    return at.start == 0 ? TextPiece{} : pieceAt(text, kind, at.start - 1);
}

TextPiece pieceAfter(const ReaderText& text, QAccessible::TextBoundaryType kind, int offset) {
    const int size = text.size();
    const TextPiece at = pieceAt(text, kind, offset);
    return at.end >= size ? TextPiece{size, size} : pieceAt(text, kind, at.end);
}

}  // namespace numbrel

#include "view/text_pieces.h"

#include <algorithm>

namespace numbrel {
namespace {

// The end of the piece that starts at `start`, a piece boundary before the end of the text:
// always past `start`, so a scan from piece to piece moves on.
int pieceEnd(QStringView text, QAccessible::TextBoundaryType kind, int start) {
    const auto size = static_cast<int>(text.size());
    if (kind == QAccessible::CharBoundary) return start + 1;
    if (kind != QAccessible::WordBoundary) return size;
    int end = start;
    while (end < size && !text[end].isSpace()) ++end;
    while (end < size && text[end].isSpace()) ++end;
    return end;
}

}  // namespace

TextPiece pieceAt(QStringView text, QAccessible::TextBoundaryType kind, int offset) {
    const auto size = static_cast<int>(text.size());
    offset = std::clamp(offset, 0, size);
    if (offset == size) {
        if (size == 0 || kind == QAccessible::CharBoundary) return {size, size};
        offset = size - 1;
    }
    int start = 0;
    int end = pieceEnd(text, kind, start);
    while (end <= offset) {
        start = end;
        end = pieceEnd(text, kind, start);
    }
    return {start, end};
}

TextPiece pieceBefore(QStringView text, QAccessible::TextBoundaryType kind, int offset) {
    const TextPiece at = pieceAt(text, kind, offset);
    return at.start == 0 ? TextPiece{} : pieceAt(text, kind, at.start - 1);
}

TextPiece pieceAfter(QStringView text, QAccessible::TextBoundaryType kind, int offset) {
    const auto size = static_cast<int>(text.size());
    const TextPiece at = pieceAt(text, kind, offset);
    return at.end >= size ? TextPiece{size, size} : pieceAt(text, kind, at.end);
}

}  // namespace numbrel

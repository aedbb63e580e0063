#pragma once

// Where a line edit draws each character of its text, from the text's left end: measured once
// for a text and a font, in time linear in the text's length, so that each question after that
// takes constant time. (Qt's own text layout answers one position in time linear in the text.)
//
// A grapheme cluster advances by its own width plus the kerning between it and the next
// cluster, as the text layout shapes them: it shapes runs of up to 4096 UTF-16 units between
// blanks together, and no kerning crosses a blank or a run's end. A tab goes on to the next
// tab stop.

#include <vector>

#include <QFont>

#include "view/accessibility/reader_text.h"

namespace numbrel {

class GlyphPositions {
public:
    GlyphPositions() = default;
    GlyphPositions(const ReaderText& text, const QFont& font);

    // The left edge of the cluster that holds the character at `offset`, and its width;
    // offset 0 to the text's size (where the width is 0).
    qreal left(int offset) const { return m_left[static_cast<std::size_t>(offset)]; }
    qreal width(int offset) const { return m_width[static_cast<std::size_t>(offset)]; }
    // The offset of the cluster under `x`: 0 left of the text, the text's size right of it.
    int offsetAt(qreal x) const;

private:
    // For each character, the left edge and the width of its cluster; then the text's width
    // and 0.
    std::vector<qreal> m_left;
    std::vector<float> m_width;
};

}  // namespace numbrel

#include "view/accessibility/display_accessible.h"

#include <algorithm>
#include <cmath>

#include "view/accessibility/text_pieces.h"
#include "view/widgets/display.h"

namespace numbrel {
namespace {

// Qt's line edit reports its caret 5 pixels left of where the caret's character begins.
constexpr int kCaretRectInset = 5;

bool sameText(const QString& a, const QString& b) {
    return a.constData() == b.constData() && a.size() == b.size();
}

QString pieceText(const ReaderText& text, TextPiece piece, int* startOffset, int* endOffset) {
    *startOffset = piece.start;
    *endOffset = piece.end;
    return text.text(piece.start, piece.end);
}

QString noPiece(int* startOffset, int* endOffset) {
    *startOffset = *endOffset = -1;
    return QString();
}

}  // namespace

DisplayAccessible::DisplayAccessible(Display* display)
    : QAccessibleWidget(display, QAccessible::EditableText) {}

Display* DisplayAccessible::display() const { return static_cast<Display*>(widget()); }

// The line edit keeps the text it draws as long as the text is unchanged, and this interface
// keeps a copy of it: while the copy lives, a new text cannot take the same place in memory.
const ReaderText& DisplayAccessible::readerText() const {
    const QString shown = display()->displayText();
    if (!sameText(shown, m_text.shown())) {
        m_text = ReaderText(shown);
        m_positions.reset();
    }
    return m_text;
}

const GlyphPositions& DisplayAccessible::positions() const {
    const ReaderText& text = readerText();
    if (!m_positions || display()->font() != m_positionsFont) {
        m_positionsFont = display()->font();
        m_positions.emplace(text, m_positionsFont);
    }
    return *m_positions;
}

// The line edit finds its caret's place in time linear in the text, so it is asked again only
// when the text, the font, the caret or the display's size has changed.
const QRect& DisplayAccessible::caretRect() const {
    const Display& shown = *display();
    const int cursor = shown.cursorPosition();
    if (!sameText(m_caret.shown, readerText().shown()) || m_caret.font != shown.font() ||
        m_caret.cursor != cursor || m_caret.size != shown.size()) {
        m_caret = {readerText().shown(), shown.font(), cursor, shown.size(), shown.caretRect()};
    }
    return m_caret.rect;
}

qreal DisplayAccessible::caretX() const { return caretRect().x() + kCaretRectInset; }

void* DisplayAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// The tooltip repeats the text, so it is no description; the value is the text itself.
QString DisplayAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Value:
            return readerText().text(0, readerText().size());
        case QAccessible::Description:
            return display()->accessibleDescription();
        default:
            return QAccessibleWidget::text(kind);
    }
}

QAccessible::State DisplayAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !display()->isReadOnly();
    state.selectableText = true;
    return state;
}

void DisplayAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !display()->hasSelectedText()) return;
    const int start = display()->selectionStart();
    *startOffset = readerText().offsetOf(start);
    *endOffset = readerText().offsetOf(start + static_cast<int>(display()->selectedText().size()));
}

int DisplayAccessible::selectionCount() const { return display()->hasSelectedText() ? 1 : 0; }

void DisplayAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void DisplayAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) display()->deselect();
}

void DisplayAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const int start = readerText().unitOf(clamped(startOffset));
    display()->setSelection(start, readerText().unitOf(clamped(endOffset)) - start);
}

int DisplayAccessible::cursorPosition() const {
    return readerText().offsetOf(display()->cursorPosition());
}

void DisplayAccessible::setCursorPosition(int position) {
    display()->setCursorPosition(readerText().unitOf(clamped(position)));
}

// As QString::mid: the part of [start, end) that lies in the text.
QString DisplayAccessible::text(int startOffset, int endOffset) const {
    return readerText().text(startOffset, endOffset);
}

QString DisplayAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType kind,
                                            int* startOffset, int* endOffset) const {
    const std::optional<int> at = resolved(offset);
    if (!at) return noPiece(startOffset, endOffset);
    return pieceText(m_text, pieceBefore(m_text, kind, *at), startOffset, endOffset);
}

QString DisplayAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType kind,
                                           int* startOffset, int* endOffset) const {
    const std::optional<int> at = resolved(offset);
    if (!at) return noPiece(startOffset, endOffset);
    return pieceText(m_text, pieceAfter(m_text, kind, *at), startOffset, endOffset);
}

QString DisplayAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType kind,
                                        int* startOffset, int* endOffset) const {
    const std::optional<int> at = resolved(offset);
    if (!at) return noPiece(startOffset, endOffset);
    return pieceText(m_text, pieceAt(m_text, kind, *at), startOffset, endOffset);
}

int DisplayAccessible::characterCount() const { return readerText().size(); }

// Where the line edit draws the character's cluster, scrolled text included: placed from the
// caret, whose place the line edit knows. A character scrolled out of view reports where it
// would be, unclipped, as Qt's own line edit reports every character.
QRect DisplayAccessible::characterRect(int offset) const {
    // Qt's bridge asks for each offset of a range, however far it reaches out of the text.
    if (offset < 0 || offset >= characterCount()) return QRect();
    const GlyphPositions& places = positions();
    const qreal left = caretX() + places.left(offset) - places.left(cursorPosition());
    const int x = static_cast<int>(std::round(left));
    const int width = std::max(static_cast<int>(std::round(left + places.width(offset))) - x, 1);
    const QRect line(x, caretRect().y(), width, display()->fontMetrics().height());
    return line.translated(display()->mapToGlobal(QPoint(0, 0)));
}

int DisplayAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint inside = display()->mapFromGlobal(point);
    return positions().offsetAt(inside.x() - caretX() + positions().left(cursorPosition()));
}

// As Qt's own line edit does: the caret goes to the end and back to the start, so that the
// line edit scrolls the whole substring into view if it can.
void DisplayAccessible::scrollToSubstring(int startIndex, int endIndex) {
    setCursorPosition(endIndex);
    setCursorPosition(startIndex);
}

// One font and colour for the whole text: one run, with no attributes of its own.
QString DisplayAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    if (!resolved(offset)) {
        *startOffset = *endOffset = offset;
        return QString();
    }
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

std::optional<int> DisplayAccessible::resolved(int offset) const {
    const int size = characterCount();
    if (offset == -1) return size;
    if (offset == -2) return cursorPosition();
    if (offset < 0 || offset > size) return std::nullopt;
    return offset;
}

int DisplayAccessible::clamped(int offset) const {
    return resolved(offset).value_or(std::clamp(offset, 0, characterCount()));
}

}  // namespace numbrel

#pragma once

// What screen readers read of the display: its name, its text, its characters, words and line,
// where each character is drawn, and one attribute run over the whole text. Qt's own interface
// for line edits can spin for ever when asked for the word at the end of the text, splits
// characters beyond 16 bits, and takes time linear in the text for each character's place;
// this one answers every query at once, whatever the text.
//
// Offsets count characters as ReaderText does. One that is out of range gets what Qt's own
// interfaces answer: no text, offsets -1, an empty rectangle.

#include <optional>

#include <QAccessibleWidget>

#include "view/accessibility/glyph_positions.h"
#include "view/accessibility/reader_text.h"

namespace numbrel {

class Display;

class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(Display* display);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType kind, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType kind, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType kind, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    Display* display() const;
    // The display's text as readers get it, built anew only when the text has changed.
    const ReaderText& readerText() const;
    const GlyphPositions& positions() const;
    // Where the line edit draws the caret, and the caret's character's left edge, in the
    // display's coordinates.
    const QRect& caretRect() const;
    qreal caretX() const;
    // An offset as readers give it, -1 for the end of the text and -2 for the caret; nullopt
    // outside the text.
    std::optional<int> resolved(int offset) const;
    int clamped(int offset) const;

    mutable ReaderText m_text;
    mutable std::optional<GlyphPositions> m_positions;
    mutable QFont m_positionsFont;
    // The caret's drawn place and what it depends on.
    struct CaretPlace {
        QString shown;
        QFont font;
        int cursor = -1;
        QSize size;
        QRect rect;
    };
    mutable CaretPlace m_caret;
};

}  // namespace numbrel

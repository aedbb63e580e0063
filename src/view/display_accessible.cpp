#include "view/display_accessible.h"

#include <algorithm>

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "view/text_pieces.h"

namespace numbrel {
namespace {

// The line edit keeps this many pixels free on each side of its text.
constexpr int kLineEditMargin = 2;

QString pieceText(const QString& text, TextPiece piece, int* startOffset, int* endOffset) {
    *startOffset = piece.start;
    *endOffset = piece.end;
    return text.mid(piece.start, piece.end - piece.start);
}

}  // namespace

DisplayAccessible::DisplayAccessible(QLineEdit* display)
    : QAccessibleWidget(display, QAccessible::EditableText) {}

QLineEdit* DisplayAccessible::lineEdit() const { return static_cast<QLineEdit*>(widget()); }

void* DisplayAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// The tooltip repeats the text, so it is no description; the value is the text itself.
QString DisplayAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Value:
            return lineEdit()->text();
        case QAccessible::Description:
            return lineEdit()->accessibleDescription();
        default:
            return QAccessibleWidget::text(kind);
    }
}

QAccessible::State DisplayAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !lineEdit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void DisplayAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText()) return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = lineEdit()->selectionEnd();
}

int DisplayAccessible::selectionCount() const { return lineEdit()->hasSelectedText() ? 1 : 0; }

void DisplayAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void DisplayAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) lineEdit()->deselect();
}

void DisplayAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const int start = resolved(startOffset);
    lineEdit()->setSelection(start, resolved(endOffset) - start);
}

int DisplayAccessible::cursorPosition() const { return lineEdit()->cursorPosition(); }

void DisplayAccessible::setCursorPosition(int position) {
    lineEdit()->setCursorPosition(resolved(position));
}

QString DisplayAccessible::text(int startOffset, int endOffset) const {
    const int start = resolved(startOffset);
    return lineEdit()->text().mid(start, std::max(resolved(endOffset) - start, 0));
}

QString DisplayAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType kind,
                                            int* startOffset, int* endOffset) const {
    const QString shown = lineEdit()->text();
    return pieceText(shown, pieceBefore(shown, kind, resolved(offset)), startOffset, endOffset);
}

QString DisplayAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType kind,
                                           int* startOffset, int* endOffset) const {
    const QString shown = lineEdit()->text();
    return pieceText(shown, pieceAfter(shown, kind, resolved(offset)), startOffset, endOffset);
}

QString DisplayAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType kind,
                                        int* startOffset, int* endOffset) const {
    const QString shown = lineEdit()->text();
    return pieceText(shown, pieceAt(shown, kind, resolved(offset)), startOffset, endOffset);
}

int DisplayAccessible::characterCount() const {
    return static_cast<int>(lineEdit()->text().size());
}

// The display shows its text whole and from the left, so a character lies where the text
// before it ends.
QRect DisplayAccessible::characterRect(int offset) const {
    const QLineEdit& display = *lineEdit();
    const QString shown = display.text();
    const int at = std::clamp(resolved(offset), 0, static_cast<int>(shown.size()));
    QStyleOptionFrame option;
    option.initFrom(&display);
    const QRect contents =
        display.style()->subElementRect(QStyle::SE_LineEditContents, &option, &display);
    const QFontMetrics metrics = display.fontMetrics();
    const int left = contents.left() + kLineEditMargin + metrics.horizontalAdvance(shown.left(at));
    const int width = at < shown.size() ? metrics.horizontalAdvance(shown.at(at)) : 1;
    const int top = contents.top() + (contents.height() - metrics.height()) / 2;
    return QRect(display.mapToGlobal(QPoint(left, top)), QSize(width, metrics.height()));
}

int DisplayAccessible::offsetAtPoint(const QPoint& point) const {
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

// The whole text is always in view.
void DisplayAccessible::scrollToSubstring(int, int) {}

// One font and colour for the whole text: one run, with no attributes of its own.
QString DisplayAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

int DisplayAccessible::resolved(int offset) const {
    if (offset == -1) return characterCount();
    if (offset == -2) return cursorPosition();
    return std::clamp(offset, 0, characterCount());
}

}  // namespace numbrel

#include "view/widgets/display.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include "view/accessibility/silent_accessibility.h"
#include "view/widgets/focus_ring.h"
#include "view/widgets/font_fitting.h"

namespace numbrel {
namespace {

constexpr auto kFlashDuration = std::chrono::milliseconds(330);
// The line edit keeps this many pixels free on each side of its text, and the caret takes
// one more after the last character.
constexpr int kLineEditMargin = 2;
constexpr int kCaretWidth = 1;
// A long text whose first characters are already too wide for the display at its smallest font
// takes that font; only those characters are measured.
constexpr qsizetype kMeasuredPart = 1000;
// The line edit records each character an edit inserts or removes, for its undo, until the text
// is set; past this many the display sets its own text again and so starts the record anew.
constexpr qsizetype kUndoCharacters = 100'000;

// Arial's metrics, close to Tahoma's, first; wider faces after it.
QFont fullSizeFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Tahoma"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(Display::kFullPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QPalette swapped(QPalette palette) {
    const QColor background = palette.color(QPalette::Base);
    palette.setColor(QPalette::Base, palette.color(QPalette::Text));
    palette.setColor(QPalette::Text, background);
    return palette;
}

// What an edit from `before` to `after` changed: the UTF-16 units both texts share at the start
// and at the end, never half a surrogate pair, and what lies between them in each.
struct Change {
    qsizetype same = 0;
    QStringView removed;
    QStringView inserted;
};

Change changeBetween(QStringView before, QStringView after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype same = 0;
    while (same < shorter && before[same] == after[same]) ++same;
    if (same > 0 && before[same - 1].isHighSurrogate()) --same;
    qsizetype sameEnd = 0;
    while (sameEnd < shorter - same &&
           before[before.size() - 1 - sameEnd] == after[after.size() - 1 - sameEnd]) {
        ++sameEnd;
    }
    if (sameEnd > 0 && before[before.size() - sameEnd].isLowSurrogate()) --sameEnd;
    return {same, before.mid(same, before.size() - same - sameEnd),
            after.mid(same, after.size() - same - sameEnd)};
}

// The menu's "Copy" or "Paste", in any language: the action that shows that shortcut.
QAction* menuAction(const QMenu& menu, QKeySequence::StandardKey key) {
    const QString shortcut = u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions()) {
        if (action->text().endsWith(shortcut)) return action;
    }
    return nullptr;
}

}  // namespace

Display::Display(QWidget* parent) : QLineEdit(parent) {
    m_colours = palette();
    m_colours.setColor(QPalette::Base, QColor(0, 0, 0));
    m_colours.setColor(QPalette::Text, QColor(0, 255, 0));
    setPalette(m_colours);
    setMaxLength(std::numeric_limits<int>::max());
    m_flashTimer.setSingleShot(true);
    m_flashTimer.setInterval(kFlashDuration);
    connect(&m_flashTimer, &QTimer::timeout, this, &Display::endFlash);
    connect(this, &QLineEdit::textEdited, this, &Display::countEdit);
}

void Display::showText(const QString& text) {
    if (this->text() != text) setTextQuietly(text);
    if (text != m_fittedText) fitFont();
}

// Writes the text as the program's answer to a key. Readers get the text-changed event, for the
// part that changed only, so that a long text's unchanged ends are not sent again, but not Qt's
// caret move: a reader that follows the caret would read the line out, and the announcer
// already speaks the new text, whichever control has the focus.
void Display::setTextQuietly(const QString& text) {
    const QString old = this->text();
    {
        const SilentAccessibility silent;
        setText(text);
    }
    const Change change = changeBetween(old, text);
    QAccessibleTextUpdateEvent changed(this, static_cast<int>(change.same),
                                       change.removed.toString(), change.inserted.toString());
    QAccessible::updateAccessibility(&changed);
    m_editedText = text;
    m_undoCharacters = 0;
}

// A user who pastes one long text over another again and again gains nothing from a record that
// grows by both texts each time. The line edit keeps the record's memory for the next record, so
// the record never takes more than about kUndoCharacters plus the longest single edit.
void Display::countEdit(const QString& text) {
    const Change change = changeBetween(m_editedText, text);
    m_undoCharacters += change.removed.size() + change.inserted.size();
    m_editedText = text;
    if (m_undoCharacters > kUndoCharacters) {
        // After the edit has finished: the line edit is still at work on it here.
        QMetaObject::invokeMethod(this, &Display::forgetEdits, Qt::QueuedConnection);
    }
}

// Sets the same text again, out of readers' hearing, and puts the caret and the selection back.
void Display::forgetEdits() {
    m_undoCharacters = 0;
    const int caret = cursorPosition();
    const int start = selectionStart();
    const auto length = static_cast<int>(selectedText().size());
    const SilentAccessibility silent;
    const QSignalBlocker blocker(this);
    setText(text());
    if (start < 0) {
        setCursorPosition(caret);
    } else if (caret == start) {
        setSelection(start + length, -length);
    } else {
        setSelection(start, length);
    }
}

void Display::fitFont() {
    m_fittedText = text();
    const qreal room = textRoom();
    QFont fitted = fittingFont(fullSizeFont(), m_fittedText.left(kMeasuredPart), room,
                               kFloorPointSize, *this);
    if (m_fittedText.size() > kMeasuredPart && fitted.pointSizeF() != kFloorPointSize)
        fitted = fittingFont(fullSizeFont(), m_fittedText, room, kFloorPointSize, *this);
    setFont(fitted);
    setToolTip(m_fittedText);
}

// The width the line edit draws text in: inside its frame and margins, with room for the caret.
qreal Display::textRoom() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.width() - 2 * kLineEditMargin - kCaretWidth;
}

void Display::flash() {
    setPalette(swapped(m_colours));
    m_flashTimer.start();
}

void Display::endFlash() { setPalette(m_colours); }

// Tab into the display selects its text, so that typing replaces it, and Tab out of it lets go.
// A reader hears of the selection as it presents the focus; Qt's own events for selecting and
// letting go would have it read the number once more and then say the text was unselected.
void Display::focusInEvent(QFocusEvent* event) {
    const SilentAccessibility silent;
    QLineEdit::focusInEvent(event);
}

void Display::focusOutEvent(QFocusEvent* event) {
    const SilentAccessibility silent;
    QLineEdit::focusOutEvent(event);
}

void Display::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        copyWhole();
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (event->matches(QKeySequence::Paste)) emit pasted();
}

// A middle click pastes the selection's text.
void Display::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::MiddleButton && !isReadOnly()) emit pasted();
}

// Some styles mark a focused line edit by its caret alone; a two-pixel ring along the edge, in a
// colour that stands out from the display and from the window around it, shows the focus as the
// keys show theirs.
void Display::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    const QPalette& colours = palette();
    const QColor ring = focusRingColour(
        colours, {colours.color(QPalette::Base), colours.color(QPalette::Window)});
    painter.setPen(QPen(ring, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

// The line edit's own menu, whose "Copy" copies the whole display when nothing is selected.
void Display::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menuAction(*menu, QKeySequence::Paste)) {
        connect(paste, &QAction::triggered, this, &Display::pasted);
    }
    if (QAction* copy = menuAction(*menu, QKeySequence::Copy);
        copy != nullptr && !hasSelectedText()) {
        copy->setEnabled(!text().isEmpty());
        disconnect(copy, &QAction::triggered, nullptr, nullptr);
        connect(copy, &QAction::triggered, this, &Display::copyWhole);
    }
    menu->popup(event->globalPos());
}

// An empty display leaves the clipboard as it was.
void Display::copyWhole() const {
    if (!text().isEmpty()) QGuiApplication::clipboard()->setText(text());
}

}  // namespace numbrel

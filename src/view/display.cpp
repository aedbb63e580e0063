#include "view/display.h"

#include <chrono>
#include <limits>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "view/focus_ring.h"
#include "view/font_fitting.h"
#include "view/silent_accessibility.h"

namespace numbrel {
namespace {

constexpr auto kFlashDuration = std::chrono::milliseconds(330);
// The line edit keeps this many pixels free on each side of its text, and the caret takes
// one more after the last character.
constexpr int kLineEditMargin = 2;
constexpr int kCaretWidth = 1;

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
}

void Display::showText(const QString& text) {
    if (this->text() != text) setTextQuietly(text);
    if (text != m_fittedText) fitFont();
}

// Writes the text as the program's answer to a key. Readers get the text-changed event but not
// Qt's caret move: a reader that follows the caret would read the line out, and the announcer
// already speaks the new text, whichever control has the focus.
void Display::setTextQuietly(const QString& text) {
    const QString old = this->text();
    {
        const SilentAccessibility silent;
        setText(text);
    }
    QAccessibleTextUpdateEvent changed(this, 0, old, text);
    QAccessible::updateAccessibility(&changed);
}

void Display::fitFont() {
    m_fittedText = text();
    setFont(fittingFont(fullSizeFont(), m_fittedText, textRoom(), kFloorPointSize, *this));
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

#include "view/display.h"

#include <chrono>
#include <limits>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include "view/display_accessible.h"
#include "view/font_fitting.h"

namespace numbrel {
namespace {

constexpr qreal kFullPointSize = 15.75;
// At 96 dpi a digit of 6.5 pt is 6 pixels tall.
constexpr qreal kFloorPointSize = 6.5;
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
    font.setPointSizeF(kFullPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QPalette swapped(QPalette palette) {
    const QColor background = palette.color(QPalette::Base);
    palette.setColor(QPalette::Base, palette.color(QPalette::Text));
    palette.setColor(QPalette::Text, background);
    return palette;
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
    if (this->text() != text) setTextQuietly(*this, text);
    if (text != m_fittedText) fitFont();
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

void Display::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        QGuiApplication::clipboard()->setText(text());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace numbrel

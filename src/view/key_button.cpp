#include "view/key_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "view/focus_ring.h"
#include "view/font_fitting.h"

namespace numbrel {
namespace {

// With a narrow face installed the longest captions fit at 7 pt; without one, the interface
// face may need this much to show them whole.
constexpr qreal kFloorPointSize = 5.0;
// Space kept between the caption and the key's bevel on each side.
constexpr int kCaptionMargin = 2;

}  // namespace

KeyButton::KeyButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFocusPolicy(Qt::TabFocus);
    // No key is the window's default, so Enter and Esc stand for no key.
    setAutoDefault(false);
    setDefault(false);
}

void KeyButton::fitCaption() {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int room = contents.width() - 2 * kCaptionMargin;
    setFont(fittingFont(font(), text(), room, kFloorPointSize, *this));
}

// Neighbouring keys overlap by a pixel; the key with the focus comes to the top so that none of
// them covers its ring.
void KeyButton::focusInEvent(QFocusEvent* event) {
    raise();
    QPushButton::focusInEvent(event);
}

// The style's ring is one pixel along the key's edge; a second one just inside it, in a colour
// that stands out from the key's face, makes the focus easy to find.
void KeyButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(focusRingColour(palette(), {palette().color(QPalette::Button)}));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 1.5, 1.5);
}

}  // namespace numbrel

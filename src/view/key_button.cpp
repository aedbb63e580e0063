#include "view/key_button.h"

#include <algorithm>

#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "view/focus_ring.h"
#include "view/font_fitting.h"

namespace numbrel {
namespace {

// 6.5 pt gives capitals 6 px high at 96 dpi, the least that reads easily.
constexpr qreal kLegiblePointSize = 6.5;
// A caption that does not fit its key even so is shrunk further rather than cut off; without a
// narrow face, the interface face may need this much to show the longest captions whole.
constexpr qreal kFloorPointSize = 5.0;
// Space kept between the caption and the edge of the room it is given, on each side.
constexpr int kCaptionMargin = 2;
// The width of the bevel's edge that a caption spreading over the padding stays inside.
constexpr int kBevelEdge = 1;

}  // namespace

KeyButton::KeyButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFocusPolicy(Qt::TabFocus);
    // No key is the window's default, so Enter and Esc stand for no key.
    setAutoDefault(false);
    setDefault(false);
}

// The caption goes in the style's contents rectangle at a legible size where it can. Styles that
// pad their buttons widely leave too little room there for the longest captions; those spread
// over the padding, and only where even that is too narrow do they shrink below legibility.
void KeyButton::fitCaption() {
    struct Attempt {
        bool takesPadding;
        qreal floorPoints;
    };
    constexpr Attempt attempts[] = {
        {false, kLegiblePointSize}, {true, kLegiblePointSize}, {true, kFloorPointSize}};
    QStyleOptionButton option;
    initStyleOption(&option);
    QFont fitted;
    for (const auto& [takesPadding, floorPoints] : attempts) {
        m_captionTakesPadding = takesPadding;
        const int room = captionRect(option).width() - 2 * kCaptionMargin;
        fitted = fittingFont(font(), text(), room, floorPoints, *this);
        if (textFits(fitted, text(), room, *this)) break;
    }
    setFont(fitted);
}

// The style's contents rectangle, or for a caption that spreads over the padding, that
// rectangle widened to the bevel's edge.
QRect KeyButton::captionRect(const QStyleOptionButton& option) const {
    QRect caption = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (m_captionTakesPadding) {
        caption.setLeft(std::min(caption.left(), option.rect.left() + kBevelEdge));
        caption.setRight(std::max(caption.right(), option.rect.right() - kBevelEdge));
    }
    return caption;
}

// Neighbouring keys overlap by a pixel; the key with the focus comes to the top so that none of
// them covers its ring.
void KeyButton::focusInEvent(QFocusEvent* event) {
    raise();
    QPushButton::focusInEvent(event);
}

// The style draws the key without its caption (bevel, pressed and disabled looks, its own focus
// frame), then the caption in the room it was fitted to. The style's focus ring is one pixel
// along the key's edge; a second one just inside it, in a colour that stands out from the key's
// face, makes the focus easy to find.
void KeyButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QStyleOptionButton caption = option;
    caption.rect = captionRect(option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawControl(QStyle::CE_PushButtonLabel, caption);
    if (!hasFocus()) return;
    painter.setPen(focusRingColour(palette(), {palette().color(QPalette::Button)}));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 1.5, 1.5);
}

}  // namespace numbrel

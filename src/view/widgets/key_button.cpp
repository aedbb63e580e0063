#include "view/widgets/key_button.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "app/control_table.h"
#include "view/widgets/focus_ring.h"
#include "view/widgets/twips.h"

namespace numbrel {
namespace {

// A caption that does not fit its key even at this size is drawn at it rather than cut off.
constexpr qreal kFloorPointSize = 5.0;
// Where a style leaves the caption less room, it spreads out to this far from the key's edge,
// clear of a bevel two pixels wide.
constexpr int kBevelEdge = 2;

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
    option.rect = pitch();
    m_caption = fittingCaption(font(), text(), captionRect(option).size(), kFloorPointSize, *this);
    update();
}

CaptionLayout KeyButton::shownCaption() const {
    return m_caption.value_or(CaptionLayout{text(), font()});
}

QRect KeyButton::pitch() const {
    return rect().adjusted(0, 0, -twipsToPixels(keySeam, logicalDpiX()),
                           -twipsToPixels(keySeam, logicalDpiY()));
}

// The style's contents rectangle, widened to the bevel's edge where it is narrower.
QRect KeyButton::captionRect(const QStyleOptionButton& option) const {
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    return contents.united(option.rect.adjusted(kBevelEdge, kBevelEdge, -kBevelEdge, -kBevelEdge));
}

void KeyButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    const bool newLook =
        event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange;
    if (newLook && m_caption) fitCaption();
}

// The style draws the key in its pitch without its caption (bevel, pressed and disabled looks,
// its own focus frame), then the caption as laid out. Nothing leaves the pitch, whatever the
// style draws. The style's focus ring is one pixel along the key's edge; a second one just
// inside it, in a colour that stands out from the key's face, makes the focus easy to find.
void KeyButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    // The painter starts out in the application's direction, which would draw "^2" as "2^"
    // under a right-to-left language.
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = pitch();
    painter.setClipRect(option.rect);
    const CaptionLayout caption = shownCaption();
    QStyleOptionButton label = option;
    label.rect = captionRect(option);
    label.text = caption.lines;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setFont(caption.font);
    painter.drawControl(QStyle::CE_PushButtonLabel, label);
    if (!hasFocus()) return;
    painter.setPen(focusRingColour(palette(), {palette().color(QPalette::Button)}));
    painter.drawRoundedRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5), 1.5, 1.5);
}

}  // namespace numbrel

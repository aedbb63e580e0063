#include "view/refusal_note.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include "view/display.h"
#include "view/twips.h"

namespace numbrel {
namespace {

// The warning sign's side, and the space around it and around the words, in twips.
constexpr int kSignSide = 300;
constexpr int kMargin = 75;
// The words shrink in half points, at most to the size of the display's smallest digits.
constexpr qreal kSizeStep = 0.5;

}  // namespace

RefusalNote::RefusalNote(QWidget* window) : QLabel(window) {
    setGeometry(twipsToPixels(kPlace, *window));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int margin = twipsToPixels(kMargin, logicalDpiX());
    const int marginY = twipsToPixels(kMargin, logicalDpiY());
    setContentsMargins(signRect().right() + 1 + margin, marginY, margin, marginY);
}

void RefusalNote::showReason(const QString& reason) {
    setText(reason);
    fitText();
    show();
}

// The largest size up to the window's font at which the words fit the room, wrapped.
void RefusalNote::fitText() {
    QFont font = parentWidget()->font();
    const QRect room = contentsRect();
    for (qreal points = font.pointSizeF();; points -= kSizeStep) {
        font.setPointSizeF(std::max(points, Display::kFloorPointSize));
        const QRectF needed =
            QFontMetricsF(font, this)
                .boundingRect(QRectF(room),
                              Qt::TextWordWrap | static_cast<int>(alignment().toInt()), text());
        if (points <= Display::kFloorPointSize ||
            (needed.height() <= room.height() && needed.width() <= room.width())) {
            break;
        }
    }
    setFont(font);
}

QRect RefusalNote::signRect() const {
    const int side = twipsToPixels(kSignSide, logicalDpiY());
    return {twipsToPixels(kMargin, logicalDpiX()), (height() - side) / 2, side, side};
}

void RefusalNote::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    const QRect sign = signRect();
    style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).paint(&painter, sign);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace numbrel

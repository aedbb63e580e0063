#include "view/widgets/refusal_note.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include "view/widgets/display.h"
#include "view/widgets/twips.h"

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
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    placeWords();
}

void RefusalNote::showReason(const QString& reason) {
    if (reason != text()) {
        // A reason in a right-to-left language reads from the right, the sign before it there.
        const Qt::LayoutDirection direction =
            reason.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        if (direction != layoutDirection()) {
            setLayoutDirection(direction);
            placeWords();
        }
        setText(reason);
        fitText();
    }
    show();
}

// The words take the room beside the sign, on the side the reading goes on to.
void RefusalNote::placeWords() {
    const int margin = twipsToPixels(kMargin, logicalDpiX());
    const int marginY = twipsToPixels(kMargin, logicalDpiY());
    const int besideSign = margin + twipsToPixels(kSignSide, logicalDpiY()) + margin;
    if (layoutDirection() == Qt::RightToLeft) {
        setContentsMargins(margin, marginY, besideSign, marginY);
    } else {
        setContentsMargins(besideSign, marginY, margin, marginY);
    }
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
    const QRect leftToRight{twipsToPixels(kMargin, logicalDpiX()), (height() - side) / 2, side,
                            side};
    return QStyle::visualRect(layoutDirection(), rect(), leftToRight);
}

void RefusalNote::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // A warning sign: a triangle in the text colour with an exclamation mark in the background's.
    const QRectF sign = signRect();
    const qreal side = sign.width();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(sign.topLeft());
    painter.setPen(QPen(ink, side * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPolygon(
        QPolygonF{{side / 2, side * 0.06}, {side * 0.96, side * 0.9}, {side * 0.04, side * 0.9}});
    const QColor paper = palette().color(QPalette::Window);
    painter.setPen(QPen(paper, side * 0.11, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(side / 2, side * 0.36), QPointF(side / 2, side * 0.6));
    painter.drawPoint(QPointF(side / 2, side * 0.76));
}

}  // namespace numbrel

#pragma once

// A key of the keypad: a push button that a click never takes the keyboard focus to (typing
// goes on in the display), that Tab reaches, that is never the window's default, and whose
// focus ring is drawn two pixels wide, above the neighbours it overlaps by a pixel.

#include <QPushButton>

class QStyleOptionButton;

namespace numbrel {

class KeyButton : public QPushButton {
    Q_OBJECT

public:
    KeyButton(const QString& caption, QWidget* parent);

    // Gives a caption wider than the key a narrower face or a smaller size, just enough to show
    // it whole and clear of the key's edges. Measuring loads fonts, so the window calls this
    // once its event loop runs.
    void fitCaption();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect captionRect(const QStyleOptionButton& option) const;

    // Whether the caption spreads over the style's padding, out to the bevel's edge.
    bool m_captionTakesPadding = false;
};

}  // namespace numbrel

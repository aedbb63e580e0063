#pragma once

// A key of the keypad: a push button that a click never takes the keyboard focus to (typing
// goes on in the display), that Tab reaches, that is never the window's default, and whose
// focus ring is drawn two pixels wide. A key reaches into its neighbours to the right and below
// by a seam, but draws only in its pitch, the part of it that they leave it: every key shows
// its whole bevel and none draws over another.

#include <optional>

#include <QPushButton>

#include "view/widgets/font_fitting.h"

class QStyleOptionButton;

namespace numbrel {

class KeyButton : public QPushButton {
    Q_OBJECT

public:
    KeyButton(const QString& caption, QWidget* parent);

    // Lays the caption out in the key's own face at the largest size, up to the key's font's,
    // that shows it whole inside the bevel: on one line, or broken onto two where that keeps it
    // larger. text() stays the caption. Measuring loads fonts, so the window calls this once its
    // event loop runs; a new font or style lays the caption out again.
    void fitCaption();

    // The caption as it is drawn; until it is laid out, text() in the key's font.
    CaptionLayout shownCaption() const;

    // The part of the key it draws in, in its own coordinates.
    QRect pitch() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect captionRect(const QStyleOptionButton& option) const;

    std::optional<CaptionLayout> m_caption;
};

}  // namespace numbrel

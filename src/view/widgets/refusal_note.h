#pragma once

// Where the window shows why a key was refused: a warning sign and the reason in words, in the
// empty band right of the display and of "9", until the user acts again. The sign and the words
// say it without colour. The note is drawn in the palette's tooltip colours, which every palette
// pairs to be readable, and framed in its text colour; the sign is drawn, not loaded, in the
// same two colours, sharp at every scale. A reason too long for one line wraps;
// one too long for the note even so is drawn smaller. A reason in a right-to-left language is
// laid out from the right, whatever the direction of the window around it.

#include <QLabel>

#include "app/controls.h"

namespace numbrel {

class RefusalNote : public QLabel {
    Q_OBJECT

public:
    // Its place in the window, clear of every key by 45 twips: from the column of "+" to the
    // right edge of "Sin", between the bottom of the top row and the top of the row of "+".
    static constexpr Twips kPlace{2280, 660, 3735, 615};

    explicit RefusalNote(QWidget* window);

    // Shows the reason, fitted into the note.
    void showReason(const QString& reason);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect signRect() const;
    void placeWords();
    void fitText();
};

}  // namespace numbrel

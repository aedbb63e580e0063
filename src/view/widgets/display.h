#pragma once

// The calculator's display: a line edit in green on black. A text wider than the display at its
// 15.75 pt font is drawn in a narrower face or a smaller size, just small enough, so that every
// number shows whole; a text too long even at the smallest size scrolls, its end in view. A
// refused key makes the display flash; Ctrl+C, and "Copy" in its context menu, with nothing
// selected copy the whole display. A paste, by keyboard, menu or middle click, is reported
// once it is in the display.

#include <QLineEdit>
#include <QPalette>
#include <QTimer>

namespace numbrel {

class Display : public QLineEdit {
    Q_OBJECT

public:
    // The font size of a text that fits, and the smallest size a long text shrinks to (at 96 dpi
    // a digit of 6.5 pt is 6 pixels tall).
    static constexpr qreal kFullPointSize = 15.75;
    static constexpr qreal kFloorPointSize = 6.5;

    explicit Display(QWidget* parent);

    // Shows the text and sizes the font for it. The caret goes to the end of a new text, so the
    // end of a text too long even for the smallest font stays in view.
    void showText(const QString& text);

    // Sizes the font for the current text. Measuring text loads the font set, so the window
    // calls this once its event loop runs rather than while it is being built.
    void fitFont();

    // Where the line edit draws the caret, for the accessible interface.
    QRect caretRect() const { return cursorRect(); }

    // Swaps the background and text colours for a moment. A flash during a flash starts it over.
    void flash();

signals:
    // The user pasted into the display; its text is the new one.
    void pasted();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setTextQuietly(const QString& text);
    qreal textRoom() const;
    void endFlash();
    void copyWhole() const;
    void countEdit(const QString& text);
    void forgetEdits();

    QPalette m_colours;
    QTimer m_flashTimer;
    QString m_fittedText;
    // The text after the last edit or the last text set, and the characters the line edit has
    // recorded for its undo since the text was last set.
    QString m_editedText;
    qsizetype m_undoCharacters = 0;
};

}  // namespace numbrel

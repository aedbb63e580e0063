#pragma once

// Reaching the window's widgets the way a user sees them: keys by caption, the one display.

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "view/form1_view.h"

namespace view_test {

using numbrel::Form1View;

inline QPushButton* key(Form1View& view, const QString& caption) {
    for (auto* button : view.findChildren<QPushButton*>()) {
        if (button->text() == caption) return button;
    }
    qFatal("no key captioned %s", qPrintable(caption));
}

inline QLineEdit* display(Form1View& view) { return view.findChild<QLineEdit*>(); }

// Whether the line edit shows its whole text: with the caret at the end it has not scrolled,
// so the caret stands as far right of where it stands at the start as the text is wide. The
// line edit scrolls as it paints; the caret is put back where it was.
inline bool showsWhole(QLineEdit& shown) {
    const int caret = shown.cursorPosition();
    const auto caretX = [&shown](qsizetype position) {
        shown.setCursorPosition(static_cast<int>(position));
        shown.repaint();
        return shown.inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    const int width = -caretX(0) + caretX(shown.text().size());
    shown.setCursorPosition(caret);
    return width == qRound(QFontMetricsF(shown.font(), &shown).horizontalAdvance(shown.text()));
}

inline void click(Form1View& view, const QStringList& captions) {
    for (const auto& caption : captions) QTest::mouseClick(key(view, caption), Qt::LeftButton);
}

// Shows the window and clicks "ON"; false if the window never appeared. Call it as
// QVERIFY(switchOn(view)) so that the test stops there.
[[nodiscard]] inline bool switchOn(Form1View& view) {
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) return false;
    click(view, {QStringLiteral("ON")});
    display(view)->setFocus();
    return true;
}

}  // namespace view_test

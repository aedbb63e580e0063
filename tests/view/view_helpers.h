#pragma once

// Reaching the window's widgets the way a user sees them: keys by caption, the one display.

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
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

// Whether the display's text fits inside its frame and margins (2 px) on each side, with a
// pixel left for the caret, so that the line edit shows it whole without scrolling.
inline bool showsWhole(const QLineEdit& shown) {
    const int frame = shown.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const qreal room = shown.contentsRect().width() - 2 * frame - 2 * 2 - 1;
    return QFontMetricsF(shown.font(), &shown).horizontalAdvance(shown.text()) <= room;
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

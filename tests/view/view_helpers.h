#pragma once

// Reaching the window's widgets the way a user sees them: keys by caption, the one display.

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

inline void click(Form1View& view, const QStringList& captions) {
    for (const auto& caption : captions) QTest::mouseClick(key(view, caption), Qt::LeftButton);
}

inline void switchOn(Form1View& view) {
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    click(view, {QStringLiteral("ON")});
    display(view)->setFocus();
}

}  // namespace view_test

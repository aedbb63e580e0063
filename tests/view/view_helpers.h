#pragma once

// Reaching the window's widgets the way a user sees them: keys by caption, the one display.

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/control_table.h"
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

// The display's record, Text1.
inline QString recordText(const Form1View& view) {
    return QString::fromStdString(view.form().Text1.Text);
}

// Calls visit(row, record, widget) for each control the window has a widget for.
template <class Visitor>
void forEachWidget(Form1View& view, Visitor&& visit) {
    visitControls(view.form(), [&](const numbrel::ControlRow& row, const auto& record) {
        if (auto* widget = view.findChild<QWidget*>(QString::fromLatin1(row.name))) {
            visit(row, record, *widget);
        }
    });
}

// Whether the line edit shows its whole text: with the caret at the end it has not scrolled, so
// the caret stands as far right of where it stands at the start as the text is wide. The caret
// is left at the end.
inline bool showsWhole(QLineEdit& shown) {
    const auto caretX = [&shown](qsizetype position) {
        shown.setCursorPosition(static_cast<int>(position));
        shown.repaint();  // the line edit scrolls as it paints
        return shown.inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    const int start = caretX(0);
    const int width = caretX(shown.text().size()) - start;
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

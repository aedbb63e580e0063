// The window's keys from the keyboard: each key's shortcut, Return and Enter on a focused key,
// and characters typed on a key.

#include <memory>

#include <QSignalSpy>

#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void enterAndEscapeStandForNoKey() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"1"_s, u"+"_s, u"2"_s});
        for (auto* button : view.findChildren<QPushButton*>()) QVERIFY(!button->isDefault());
        QTest::keyClick(display(view), Qt::Key_Return);
        QTest::keyClick(display(view), Qt::Key_Escape);
        QCOMPARE(recordText(view), u"2"_s);
    }

    // Each key answers a chord of its own from anywhere in the window; "ON" and "Off" share
    // one, as only one of them is ever shown and enabled.
    void everyKeyAnswersItsShortcutAlone() {
        Form1View view;
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QList<QPushButton*> keys = view.findChildren<QPushButton*>();
        std::ranges::stable_partition(keys, [](auto* k) { return k->text() == u"ON"_s; });
        std::ranges::stable_partition(keys, [](auto* k) { return k->text() != u"Off"_s; });
        for (QPushButton* pressed : keys) {
            std::vector<std::pair<QPushButton*, std::unique_ptr<QSignalSpy>>> clicks;
            for (auto* k : keys) {
                clicks.emplace_back(k, std::make_unique<QSignalSpy>(k, &QPushButton::clicked));
            }
            QVERIFY2(pressed->shortcut().count() == 1, qPrintable(pressed->text()));
            const QKeyCombination chord = pressed->shortcut()[0];
            QTest::keyClick(&view, chord.key(), chord.keyboardModifiers());
            for (const auto& [k, spy] : clicks) {
                QVERIFY2(spy->count() == (k == pressed ? 1 : 0),
                         qPrintable(pressed->text() + u" clicked "_s + k->text()));
            }
        }
    }

    // With a key focused, Return and Enter press it as Space does, and a typed character goes
    // through the key filter to the end of the display, wherever its caret is.
    void aFocusedKeyTakesReturnAndPassesTypedCharacters() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"1"_s, u"2"_s});
        display(view)->setCursorPosition(0);
        QPushButton* plus = key(view, u"+"_s);
        plus->setFocus();
        QTest::keyClicks(plus, u"3a."_s);
        QCOMPARE(recordText(view), u"123"_s);
        QTest::keyClick(plus, Qt::Key_Return);
        QCOMPARE(view.form().Text2.Text, "123");
        QTest::keyClick(plus, Qt::Key_4);
        QPushButton* equals = key(view, u"="_s);
        equals->setFocus();
        QTest::keyClick(equals, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(recordText(view), u"127"_s);
        QCOMPARE(view.focusWidget(), equals);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"

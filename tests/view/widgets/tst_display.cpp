// The display in the window: what typing, editing, copying and pasting do, and its flash.

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>

#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

class DisplayTest : public QObject {
    Q_OBJECT

private:
    // Opens the display's context menu and chooses the item whose text starts with `item`;
    // false when there is no such item, or it is greyed.
    static bool chooseFromMenu(QLineEdit& shown, const QString& item) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(&shown, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return false;
        const QList<QAction*> actions = menu->actions();
        const auto chosen = std::ranges::find_if(
            actions, [&](const QAction* action) { return action->text().startsWith(item); });
        const bool available = chosen != actions.end() && (*chosen)->isEnabled();
        if (available) (*chosen)->trigger();
        menu->close();
        return available;
    }

private slots:
    void typedDigitsPassTheKeyFilterAndOthersDoNot() {
        Form1View view;
        QVERIFY(switchOn(view));
        QTest::keyClick(display(view), Qt::Key_4);
        for (auto refused : {Qt::Key_Period, Qt::Key_Minus, Qt::Key_A, Qt::Key_Backspace}) {
            QTest::keyClick(display(view), refused);
        }
        QCOMPARE(display(view)->text(), u"4"_s);
        QCOMPARE(recordText(view), u"4"_s);
    }

    // The display's own editing bypasses the filter, and its result still reaches Text1.
    void ownEditingReachesTheRecord() {
        Form1View view;
        QVERIFY(switchOn(view));
        QTest::keyClicks(display(view), u"123"_s);
        QTest::keyClick(display(view), Qt::Key_Left);
        QTest::keyClick(display(view), Qt::Key_Delete);
        QCOMPARE(recordText(view), u"12"_s);
        QTest::keyClick(display(view), Qt::Key_Home);
        QTest::keyClick(display(view), Qt::Key_9);
        QCOMPARE(recordText(view), u"912"_s);
    }

    // Short edits can be undone; pastes of 100,000 characters over as many leave no record to
    // grow with each paste, and keep the text and the caret where the paste left them.
    void longPastesLeaveNoUndoRecord() {
        Form1View view;
        QVERIFY(switchOn(view));
        QLineEdit& shown = *display(view);
        QTest::keyClicks(&shown, u"12"_s);
        QCoreApplication::processEvents();
        QVERIFY(shown.isUndoAvailable());
        for (const QChar digit : {u'7', u'8'}) {
            QGuiApplication::clipboard()->setText(QString(100'000, digit));
            shown.selectAll();
            shown.paste();
            shown.setCursorPosition(5);
            QCoreApplication::processEvents();
            QVERIFY(!shown.isUndoAvailable());
            QCOMPARE(shown.text(), QString(100'000, digit));
            QCOMPARE(shown.cursorPosition(), 5);
        }
    }

    // The text stays; the colours swap for about a third of a second.
    void refusedKeyFlashesTheDisplay() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"5"_s, u"/"_s, u"0"_s, u"="_s});
        QCOMPARE(display(view)->text(), u"0"_s);
        QCOMPARE(display(view)->palette().color(QPalette::Base), QColor(0, 255, 0));
        QTRY_COMPARE_WITH_TIMEOUT(display(view)->palette().color(QPalette::Base), QColor(0, 0, 0),
                                  1000);
        QCOMPARE(display(view)->palette().color(QPalette::Text), QColor(0, 255, 0));
    }

    // Ctrl+C and the context menu's "Copy" agree: the selection, or else the whole display, and
    // nothing when it is empty.
    void copyWithNothingSelectedTakesTheWholeDisplay_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Ctrl+C") << false;
        QTest::newRow("menu") << true;
    }
    void copyWithNothingSelectedTakesTheWholeDisplay() {
        QFETCH(bool, byMenu);
        Form1View view;
        QVERIFY(switchOn(view));
        auto copy = [&] {
            if (byMenu) return chooseFromMenu(*display(view), u"&Copy"_s);
            QTest::keyClick(display(view), Qt::Key_C, Qt::ControlModifier);
            return true;
        };
        QGuiApplication::clipboard()->setText(u"kept"_s);
        QCOMPARE(copy(), !byMenu);  // an empty display has nothing to copy: "Copy" is greyed
        QCOMPARE(QGuiApplication::clipboard()->text(), u"kept"_s);
        click(view, {u"1"_s, u"2"_s, u"3"_s});
        QVERIFY(copy());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"123"_s);
        display(view)->setSelection(1, 1);
        QVERIFY(copy());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"2"_s);
    }

    // A paste by keyboard or by the context menu is reported once, with the pasted text in the
    // display, so that a screen reader hears it.
    void pasteIsReportedOnce_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Ctrl+V") << 0;
        QTest::newRow("Shift+Insert") << 1;
        QTest::newRow("menu") << 2;
    }
    void pasteIsReportedOnce() {
        QFETCH(int, way);
        Form1View view;
        QVERIFY(switchOn(view));
        QGuiApplication::clipboard()->setText(u"3.14159"_s);
        QSignalSpy pasted(display(view), SIGNAL(pasted()));
        if (way == 0) QTest::keyClick(display(view), Qt::Key_V, Qt::ControlModifier);
        if (way == 1) QTest::keyClick(display(view), Qt::Key_Insert, Qt::ShiftModifier);
        if (way == 2) QVERIFY(chooseFromMenu(*display(view), u"&Paste"_s));
        QCOMPARE(pasted.count(), 1);
        QCOMPARE(recordText(view), u"3.14159"_s);
    }
};

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"

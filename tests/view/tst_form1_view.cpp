// The window on the offscreen platform: real widgets, clicked and typed into as a user does.

#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

class Form1ViewTest : public QObject {
    Q_OBJECT

private:
    static QString shownInRecord(const Form1View& view) {
        return QString::fromStdString(view.form().Text1.Text);
    }

private slots:
    void showsOnlyTheOnKeyAtStart() {
        Form1View view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.windowTitle(), u"Numbrel"_s);
        QVERIFY(!display(view)->isVisible());
        const auto buttons = view.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 33);
        for (auto* button : buttons) {
            QCOMPARE(button->isVisible(), button->text() == u"ON"_s);
        }
    }

    void onShowsTheKeypadAndGreysItself() {
        Form1View view;
        switchOn(view);
        QVERIFY(display(view)->isVisible());
        for (auto* button : view.findChildren<QPushButton*>()) {
            QVERIFY2(button->isVisible(), qPrintable(button->text()));
            QCOMPARE(button->isEnabled(), button->text() != u"ON"_s);
        }
        click(view, {u"Off"_s});
        QVERIFY(!display(view)->isVisible());
        QVERIFY(key(view, u"ON"_s)->isEnabled());
    }

    void typedDigitsPassTheKeyFilterAndOthersDoNot() {
        Form1View view;
        switchOn(view);
        QTest::keyClick(display(view), Qt::Key_4);
        for (auto refused : {Qt::Key_Period, Qt::Key_Minus, Qt::Key_A, Qt::Key_Backspace}) {
            QTest::keyClick(display(view), refused);
        }
        QCOMPARE(display(view)->text(), u"4"_s);
        QCOMPARE(shownInRecord(view), u"4"_s);
    }

    // The display's own editing bypasses the filter, and its result still reaches Text1.
    void ownEditingReachesTheRecord() {
        Form1View view;
        switchOn(view);
        QTest::keyClicks(display(view), u"123"_s);
        QTest::keyClick(display(view), Qt::Key_Left);
        QTest::keyClick(display(view), Qt::Key_Delete);
        QCOMPARE(shownInRecord(view), u"12"_s);
        QTest::keyClick(display(view), Qt::Key_Home);
        QTest::keyClick(display(view), Qt::Key_9);
        QCOMPARE(shownInRecord(view), u"912"_s);
    }

    void clickedKeysCalculate_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << QStringList{u"7"_s, u"0"_s, u"."_s, u"5"_s} << u"70.5"_s;
        QTest::newRow("sum") << QStringList{u"1"_s, u"2"_s, u"+"_s, u"3"_s, u"="_s} << u"15"_s;
        QTest::newRow("sine") << QStringList{u"3"_s, u"0"_s, u"Sin"_s} << u"0.5"_s;
        QTest::newRow("wide") << QStringList{u"4"_s, u"."_s, u"1"_s, u"Sin"_s} << u"0.071497444"_s;
        QTest::newRow("widest") << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s,
                                               u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"^2"_s}
                                << u"1.52415787501905E+16"_s;
    }
    void clickedKeysCalculate() {
        QFETCH(QStringList, keys);
        QFETCH(QString, shown);
        Form1View view;
        switchOn(view);
        click(view, keys);
        QCOMPARE(display(view)->text(), shown);
        QVERIFY(showsWhole(*display(view)));
        QCOMPARE(display(view)->cursorPosition(), shown.size());
    }

    void enterAndEscapeStandForNoKey() {
        Form1View view;
        switchOn(view);
        click(view, {u"1"_s, u"+"_s, u"2"_s});
        for (auto* button : view.findChildren<QPushButton*>()) QVERIFY(!button->isDefault());
        QTest::keyClick(display(view), Qt::Key_Return);
        QTest::keyClick(display(view), Qt::Key_Escape);
        QCOMPARE(shownInRecord(view), u"2"_s);
    }

    void geometryFollowsTwipsAt96Dpi() {
        Form1View view;
        if (view.logicalDpiX() != 96 || view.logicalDpiY() != 96) QSKIP("screen is not 96 dpi");
        QCOMPARE(view.size(), QSize(445, 234));
        QCOMPARE(key(view, u"ON"_s)->geometry(), QRect(320, 8, 41, 33));
        QCOMPARE(key(view, u"="_s)->geometry(), QRect(152, 152, 81, 33));
        QCOMPARE(display(view)->geometry(), QRect(24, 16, 121, 25));
    }

    // Fonts are applied once the event loop has run, which showing the window does.
    void captionsFitTheirKeysOnceShown() {
        Form1View view;
        switchOn(view);
        QCOMPARE(display(view)->font().pointSizeF(), 15.75);
        for (auto* button : view.findChildren<QPushButton*>()) {
            const int advance = QFontMetrics(button->font()).horizontalAdvance(button->text());
            QVERIFY2(advance <= button->width() - 6 || button->font().pointSizeF() <= 6.0,
                     qPrintable(button->text()));
        }
    }

    void tabOrderFollowsTabIndex() {
        Form1View view;
        switchOn(view);
        QWidget* focus = key(view, u"1"_s);
        const QStringList expected{u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s,
                                   u"8"_s, u"9"_s, u"-"_s, u"+"_s, u"*"_s};
        for (const auto& caption : expected) {
            focus = focus->nextInFocusChain();
            QCOMPARE(focus, key(view, caption));
        }
        QCOMPARE(focus->nextInFocusChain(), display(view));
        QCOMPARE(display(view)->nextInFocusChain(), key(view, u"/"_s));
    }
};

QTEST_MAIN(Form1ViewTest)
#include "tst_form1_view.moc"

// The window on the offscreen platform: real widgets, clicked and typed into as a user does.

#include <random>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QScopeGuard>

#include "view/widgets/refusal_note.h"
#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

class Form1ViewTest : public QObject {
    Q_OBJECT

private:
    // The display and the keys in Tab order.
    static QList<QWidget*> tabStops(Form1View& view) {
        std::vector<std::pair<int, QWidget*>> stops;
        forEachWidget(view, [&stops](const auto&, const auto& record, QWidget& widget) {
            stops.emplace_back(record.TabIndex, &widget);
        });
        std::ranges::sort(stops, {}, &std::pair<int, QWidget*>::first);
        QList<QWidget*> ordered;
        for (const auto& stop : stops) ordered.append(stop.second);
        return ordered;
    }

    // Where Tab (step 1) or Shift+Tab (step -1) takes the focus: the next control in Tab
    // order that is shown and enabled, round to the start.
    static QWidget* tabbedTo(const QList<QWidget*>& stops, QWidget* from, qsizetype step) {
        const qsizetype count = stops.size();
        for (qsizetype i = stops.indexOf(from), n = 0; n < count; ++n) {
            i = (i + step + count) % count;
            if (stops[i]->isVisible() && stops[i]->isEnabled()) return stops[i];
        }
        return from;
    }

    // The controls whose widget does not mirror the record; empty when all do.
    static QString mismatchedRecords(Form1View& view) {
        QString mismatched;
        if (display(view)->text() != recordText(view)) mismatched += u"text of Text1 "_s;
        forEachWidget(view, [&](const auto& row, const auto& record, QWidget& widget) {
            bool mirrors = widget.isVisible() == record.Visible;
            if constexpr (requires { record.Enabled; }) {
                mirrors = mirrors && widget.isEnabled() == record.Enabled;
            }
            if (!mirrors) mismatched += QString::fromLatin1(row.name) + u' ';
        });
        return mismatched;
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
        QVERIFY(switchOn(view));
        QVERIFY(display(view)->isVisible());
        for (auto* button : view.findChildren<QPushButton*>()) {
            QVERIFY2(button->isVisible(), qPrintable(button->text()));
            QCOMPARE(button->isEnabled(), button->text() != u"ON"_s);
        }
        click(view, {u"Off"_s});
        QVERIFY(!display(view)->isVisible());
        QVERIFY(key(view, u"ON"_s)->isEnabled());
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
        QVERIFY(switchOn(view));
        click(view, keys);
        QCOMPARE(display(view)->text(), shown);
        QVERIFY(showsWhole(*display(view)));
        QCOMPARE(display(view)->cursorPosition(), shown.size());
    }

    // A refusal leaves the display's text alone and shows why beside it, clear of every key,
    // until the user's next click, typed character or paste.
    void refusalShowsItsReasonUntilTheUserActs_data() {
        QTest::addColumn<int>("action");
        QTest::newRow("click on a key") << 0;
        QTest::newRow("click on the window") << 1;
        QTest::newRow("typed character") << 2;
        QTest::newRow("paste") << 3;
    }
    void refusalShowsItsReasonUntilTheUserActs() {
        QFETCH(int, action);
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"2"_s, u"/"_s, u"0"_s, u"="_s});
        QCOMPARE(display(view)->text(), u"0"_s);
        auto* note = view.findChild<QLabel*>();
        QVERIFY(note != nullptr && note->isVisible());
        QCOMPARE(note->text(), u"Division: Cannot divide by zero"_s);
        QVERIFY(view.rect().contains(note->geometry()));
        for (auto* button : view.findChildren<QPushButton*>()) {
            QVERIFY2(!button->geometry().intersects(note->geometry()), qPrintable(button->text()));
        }
        switch (action) {
            case 0:
                click(view, {u"5"_s});
                break;
            case 1:
                QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(2, 2));
                break;
            case 2:
                QTest::keyClick(display(view), Qt::Key_A);
                break;
            default:
                QGuiApplication::clipboard()->setText(u"7"_s);
                QTest::keyClick(display(view), Qt::Key_V, Qt::ControlModifier);
                break;
        }
        QVERIFY(!note->isVisible());
    }

    // A reason in a right-to-left language reads from the right, its sign before it there,
    // though the window around it stays left to right.
    void refusalReadsInItsOwnDirection() {
        Form1View view;
        numbrel::RefusalNote note(&view);
        note.showReason(u"القسمة: لا يمكن القسمة على صفر"_s);
        QVERIFY(note.contentsMargins().right() > note.contentsMargins().left());
        note.showReason(u"Division: Cannot divide by zero"_s);
        QVERIFY(note.contentsMargins().left() > note.contentsMargins().right());
    }

    void geometryFollowsTwipsAt96Dpi() {
        Form1View view;
        if (view.logicalDpiX() != 96 || view.logicalDpiY() != 96) QSKIP("screen is not 96 dpi");
        QCOMPARE(view.size(), QSize(445, 234));
        QCOMPARE(key(view, u"ON"_s)->geometry(), QRect(320, 8, 41, 33));
        QCOMPARE(key(view, u"="_s)->geometry(), QRect(152, 152, 81, 33));
        QCOMPARE(display(view)->geometry(), QRect(24, 16, 121, 25));
    }

    // Under a right-to-left language Qt lays the application out right to left; the window
    // stays as it is, down to the order of the characters in "^2" and "-/+".
    void windowReadsLeftToRightUnderRightToLeftLanguages() {
        const auto restoreFlashing = qScopeGuard(
            [flash = QApplication::cursorFlashTime()] { QApplication::setCursorFlashTime(flash); });
        QApplication::setCursorFlashTime(0);  // the display's caret shows in every picture
        auto picture = [](Qt::LayoutDirection direction) {
            QApplication::setLayoutDirection(direction);
            Form1View view;
            const QImage shown = switchOn(view) ? view.grab().toImage() : QImage();
            QApplication::setLayoutDirection(Qt::LeftToRight);
            return shown;
        };
        const QImage leftToRight = picture(Qt::LeftToRight);
        QVERIFY(!leftToRight.isNull());
        QCOMPARE(picture(Qt::RightToLeft), leftToRight);
    }

    // Thousands of events from a fixed seed, as a user makes them: clicks on the shown keys and
    // the display, typed characters, pastes, Tab and Shift+Tab. After each one the window
    // mirrors the records, the focus is where the user left it (a click never takes it; "ON"
    // gives it to the display and "Off" to "ON"), and a number a key wrote shows whole.
    void randomEventsKeepTheWindowTrue() {
        Form1View view;
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        const QList<QWidget*> stops = tabStops(view);
        const QStringList pastes{u"7"_s, u"-1.23456789012346E-308"_s, u"0.5"_s, u"x1"_s,
                                 QString(40, u'9')};
        const QString typed = u"0123456789. -E"_s;
        std::mt19937 random(20261207);
        auto pick = [&random](qsizetype count) {
            return static_cast<qsizetype>(random() % static_cast<std::uint32_t>(count));
        };
        QWidget* focus = key(view, u"ON"_s);
        QCOMPARE(view.focusWidget(), focus);
        // Where the focus went during an event: straight to where it ends, never through keys
        // that hide or grey with the one that had it, where a reader would name each.
        QWidgetList focused;
        connect(qApp, &QApplication::focusChanged, &view, [&focused](QWidget*, QWidget* now) {
            if (now != nullptr) focused.append(now);
        });

        for (int event = 0; event < 4000; ++event) {
            focused.clear();
            QPushButton* activated = nullptr;
            switch (pick(6)) {
                case 0:
                case 1: {
                    QList<QWidget*> shown;
                    for (auto* stop : stops) {
                        if (stop->isVisible()) shown.append(stop);
                    }
                    QWidget* target = shown[pick(shown.size())];
                    if (target->isEnabled()) activated = qobject_cast<QPushButton*>(target);
                    QTest::mouseClick(target, Qt::LeftButton);
                    if (target == display(view)) focus = target;
                    break;
                }
                case 2: {
                    const QChar character = typed[pick(typed.size())];
                    if (character == u' ') activated = qobject_cast<QPushButton*>(focus);
                    QTest::keyClick(focus, character.toLatin1());
                    break;
                }
                case 3:
                    QGuiApplication::clipboard()->setText(pastes[pick(pastes.size())]);
                    QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                    break;
                case 4:
                    QTest::keyClick(focus, Qt::Key_Tab);
                    focus = tabbedTo(stops, focus, 1);
                    break;
                default:
                    QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
                    focus = tabbedTo(stops, focus, -1);
                    break;
            }
            if (activated != nullptr && activated->text() == u"ON"_s) focus = display(view);
            if (activated != nullptr && activated->text() == u"Off"_s) focus = key(view, u"ON"_s);

            const QString mismatched = mismatchedRecords(view);
            QVERIFY2(mismatched.isEmpty(), qPrintable(mismatched));
            QCOMPARE(view.focusWidget(), focus);
            QVERIFY(focused.isEmpty() || focused == QWidgetList{focus});
            if (activated != nullptr && display(view)->isVisible() &&
                display(view)->text().size() <= 22) {
                QVERIFY2(showsWhole(*display(view)), qPrintable(display(view)->text()));
            }
        }
    }

    void tabOrderFollowsTabIndex() {
        Form1View view;
        QVERIFY(switchOn(view));
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

// The window on the offscreen platform: real widgets, clicked and typed into as a user does.

#include <memory>
#include <random>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOption>

#include "app/control_table.h"
#include "view/widgets/focus_ring.h"
#include "view/widgets/key_button.h"
#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

namespace {

// Pads the buttons' contents 4 px on each side, as some desktop styles do, where Fusion pads 1.
class WidePaddingStyle : public QProxyStyle {
public:
    WidePaddingStyle() : QProxyStyle(u"Fusion"_s) {}

    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override {
        if (element == SE_PushButtonContents) return option->rect.adjusted(4, 4, -4, -4);
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

}  // namespace

class Form1ViewTest : public QObject {
    Q_OBJECT

private:
    static QString shownInRecord(const Form1View& view) {
        return QString::fromStdString(view.form().Text1.Text);
    }

    // The display and the keys in Tab order.
    static QList<QWidget*> tabStops(Form1View& view) {
        std::vector<std::pair<int, QWidget*>> stops;
        visitControls(view.form(), [&](const numbrel::ControlRow& row, const auto& record) {
            if (auto* widget = view.findChild<QWidget*>(QString::fromLatin1(row.name))) {
                stops.emplace_back(record.TabIndex, widget);
            }
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

    // The controls whose widget does not mirror the record; empty when all do.
    static QString mismatchedRecords(Form1View& view) {
        QString mismatched;
        if (display(view)->text() != shownInRecord(view)) mismatched += u"text of Text1 "_s;
        visitControls(view.form(), [&](const numbrel::ControlRow& row, const auto& record) {
            auto* widget = view.findChild<QWidget*>(QString::fromLatin1(row.name));
            if (widget == nullptr) return;
            bool mirrors = widget->isVisible() == record.Visible;
            if constexpr (requires { record.Enabled; }) {
                mirrors = mirrors && widget->isEnabled() == record.Enabled;
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

    void typedDigitsPassTheKeyFilterAndOthersDoNot() {
        Form1View view;
        QVERIFY(switchOn(view));
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
        QVERIFY(switchOn(view));
        QTest::keyClicks(display(view), u"123"_s);
        QTest::keyClick(display(view), Qt::Key_Left);
        QTest::keyClick(display(view), Qt::Key_Delete);
        QCOMPARE(shownInRecord(view), u"12"_s);
        QTest::keyClick(display(view), Qt::Key_Home);
        QTest::keyClick(display(view), Qt::Key_9);
        QCOMPARE(shownInRecord(view), u"912"_s);
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

    // Ctrl+C and the context menu's "Copy" agree: the selection, or else the whole display.
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
        click(view, {u"1"_s, u"2"_s, u"3"_s});
        QVERIFY(copy());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"123"_s);
        display(view)->setSelection(1, 1);
        QVERIFY(copy());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"2"_s);
    }

    void enterAndEscapeStandForNoKey() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"1"_s, u"+"_s, u"2"_s});
        for (auto* button : view.findChildren<QPushButton*>()) QVERIFY(!button->isDefault());
        QTest::keyClick(display(view), Qt::Key_Return);
        QTest::keyClick(display(view), Qt::Key_Escape);
        QCOMPARE(shownInRecord(view), u"2"_s);
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
        QCOMPARE(shownInRecord(view), u"123"_s);
        QTest::keyClick(plus, Qt::Key_Return);
        QCOMPARE(view.form().Text2.Text, "123");
        QTest::keyClick(plus, Qt::Key_4);
        QPushButton* equals = key(view, u"="_s);
        equals->setFocus();
        QTest::keyClick(equals, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(shownInRecord(view), u"127"_s);
        QCOMPARE(view.focusWidget(), equals);
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
        QCOMPARE(shownInRecord(view), u"3.14159"_s);
    }

    void geometryFollowsTwipsAt96Dpi() {
        Form1View view;
        if (view.logicalDpiX() != 96 || view.logicalDpiY() != 96) QSKIP("screen is not 96 dpi");
        QCOMPARE(view.size(), QSize(445, 234));
        QCOMPARE(key(view, u"ON"_s)->geometry(), QRect(320, 8, 41, 33));
        QCOMPARE(key(view, u"="_s)->geometry(), QRect(152, 152, 81, 33));
        QCOMPARE(display(view)->geometry(), QRect(24, 16, 121, 25));
    }

    void keysShowLegibleCaptionsInTheirPitch_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<qreal>("desktopPoints");  // 0: the desktop's font as it is
        QTest::newRow("Fusion") << u"Fusion"_s << 0.0;
        QTest::newRow("a bevel two pixels wide") << u"Windows"_s << 0.0;
        QTest::newRow("padding as wide as some desktop styles'") << u"wide padding"_s << 0.0;
        QTest::newRow("desktop font grown to 14 pt") << u"Fusion"_s << 14.0;
    }

    // Captions are laid out once the event loop has run, which showing the window does, and
    // again when the desktop's font changes. Every caption keeps the desktop's face, and its size
    // where it fits; its capitals stand at least 8 px high at 96 dpi and its lines inside the
    // bevel. No key draws outside its pitch, not even the one with the focus.
    void keysShowLegibleCaptionsInTheirPitch() {
        QFETCH(QString, style);
        QFETCH(qreal, desktopPoints);
        const std::unique_ptr<QStyle> keyStyle(
            style == u"wide padding"_s ? new WidePaddingStyle : QStyleFactory::create(style));
        Form1View view;
        for (auto* button : view.findChildren<QPushButton*>()) button->setStyle(keyStyle.get());
        QVERIFY(switchOn(view));
        if (desktopPoints > 0) {
            QFont desktop = view.font();
            desktop.setPointSizeF(desktopPoints);
            view.setFont(desktop);
        }
        QCOMPARE(display(view)->font().pointSizeF(), 15.75);
        QCOMPARE(qobject_cast<numbrel::KeyButton*>(key(view, u"1"_s))->shownCaption().font,
                 view.font());
        key(view, u"Round (2)"_s)->setFocus();
        const QString face = QFontInfo(view.font()).family();
        for (auto* button : view.findChildren<numbrel::KeyButton*>()) {
            const auto caption = button->shownCaption();
            const QFontMetricsF metrics(caption.font, button);
            const QString name = caption.lines;
            QCOMPARE(QFontInfo(caption.font).family(), face);
            QVERIFY2(metrics.capHeight() >= 8 * button->logicalDpiY() / 96.0, qPrintable(name));
            const QRect inside = button->pitch().adjusted(2, 2, -2, -2);
            const QStringList lines = caption.lines.split(u'\n');
            QVERIFY2(static_cast<qreal>(lines.size()) * metrics.height() <= inside.height(),
                     qPrintable(name));
            for (const auto& line : lines) {
                QVERIFY2(metrics.tightBoundingRect(line).width() <= inside.width(),
                         qPrintable(name));
            }

            QImage picture(button->size(), QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            button->render(&picture, {}, {}, QWidget::DrawChildren);
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if (button->pitch().contains(x, y)) continue;
                    QVERIFY2(qAlpha(picture.pixel(x, y)) == 0, qPrintable(name));
                }
            }
        }
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

        for (int event = 0; event < 4000; ++event) {
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

    // The ring keeps the highlight colour where it stands out by 3:1 from both colours it
    // borders on, else it turns black or white, whichever stands out more.
    void focusRingStandsOutFromItsNeighbours_data() {
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("inside");
        QTest::addColumn<QColor>("outside");
        QTest::addColumn<QColor>("ring");
        const QColor blue(0x30, 0x8c, 0xc6);
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        QTest::newRow("light key") << blue << QColor(0xef, 0xef, 0xef) << QColor(0xef, 0xef, 0xef) << blue;
        QTest::newRow("dark key, highlight like face")
            << QColor(0x12, 0x60, 0x8a) << QColor(0x42, 0x42, 0x45) << QColor(0x42, 0x42, 0x45) << white;
        QTest::newRow("light key, pale highlight")
            << QColor(0xa0, 0xc8, 0xf0) << QColor(0xe0, 0xe0, 0xe0) << QColor(0xe0, 0xe0, 0xe0) << black;
        QTest::newRow("display, light window") << blue << black << QColor(0xef, 0xef, 0xef) << blue;
        QTest::newRow("display, dark window")
            << QColor(0x12, 0x60, 0x8a) << black << QColor(0x22, 0x20, 0x20) << white;
    }
    void focusRingStandsOutFromItsNeighbours() {
        QFETCH(QColor, highlight);
        QFETCH(QColor, inside);
        QFETCH(QColor, outside);
        QFETCH(QColor, ring);
        QPalette palette;
        palette.setColor(QPalette::Highlight, highlight);
        QCOMPARE(numbrel::focusRingColour(palette, {inside, outside}), ring);
    }
};

QTEST_MAIN(Form1ViewTest)
#include "tst_form1_view.moc"

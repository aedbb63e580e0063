// The keys: legible captions inside each key's pitch, in every style, a focus ring that stands
// out, and each key from the keyboard: its shortcut, Return and Enter when it has the focus, and
// characters typed on it.

#include <memory>

#include <QFontInfo>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOption>

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

class KeyButtonTest : public QObject {
    Q_OBJECT

private slots:
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
        QTest::newRow("light key")
            << blue << QColor(0xef, 0xef, 0xef) << QColor(0xef, 0xef, 0xef) << blue;
        QTest::newRow("dark key, highlight like face")
            << QColor(0x12, 0x60, 0x8a) << QColor(0x42, 0x42, 0x45) << QColor(0x42, 0x42, 0x45)
            << white;
        QTest::newRow("light key, pale highlight")
            << QColor(0xa0, 0xc8, 0xf0) << QColor(0xe0, 0xe0, 0xe0) << QColor(0xe0, 0xe0, 0xe0)
            << black;
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

QTEST_MAIN(KeyButtonTest)
#include "tst_key_button.moc"

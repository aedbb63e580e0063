// What a screen reader hears: the names and values the window reports through QAccessible.

#include <QAccessible>
#include <QRegularExpression>
#include <QSet>

#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    if (interface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return interface;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void keysAreSpokenInWords_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        const QList<std::pair<QString, QString>> rows{
            {u"-/+"_s, u"Change sign"_s},
            {u"^x"_s, u"Power"_s},
            {u"^2"_s, u"Square"_s},
            {u"Sqr 2"_s, u"Square root"_s},
            {u"C"_s, u"Clear display"_s},
            {u"CE"_s, u"Clear all"_s},
            {u"Del"_s, u"Delete last character"_s},
            {u"Round (2)"_s, u"Round to 2 decimal places"_s},
            {u"Round (1)"_s, u"Round to 1 decimal place"_s},
            {u"ABS"_s, u"Absolute value"_s},
            {u"Int"_s, u"Integer part"_s},
            {u"Sin"_s, u"Sine"_s},
            {u"-"_s, u"Minus"_s},
            {u"*"_s, u"Times"_s},
            {u"/"_s, u"Divide"_s},
            {u"."_s, u"Decimal point"_s},
            {u"="_s, u"Equals"_s},
            {u"7"_s, u"7"_s},
        };
        for (const auto& [caption, spoken] : rows) {
            QTest::newRow(qPrintable(caption)) << caption << spoken;
        }
    }
    void keysAreSpokenInWords() {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        Form1View view;
        QAccessibleInterface* button = accessible(key(view, caption));
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), spoken);
    }

    // No key is left to a reader that would spell out or skip a symbol, and no two keys sound
    // alike.
    void everyKeyHasADistinctNameInWords() {
        Form1View view;
        const QRegularExpression words(u"^[A-Za-z0-9]+( [A-Za-z0-9]+)*$"_s);
        QSet<QString> names;
        for (auto* button : view.findChildren<QPushButton*>()) {
            const QString name = accessible(button)->text(QAccessible::Name);
            QVERIFY2(words.match(name).hasMatch(), qPrintable(button->text() + u" -> "_s + name));
            names.insert(name);
        }
        QCOMPARE(names.size(), 33);
    }

    void displayIsNamedAndReadsTheResult() {
        Form1View view;
        switchOn(view);
        click(view, {u"1"_s, u"2"_s, u"+"_s, u"3"_s, u"="_s});
        QAccessibleInterface* shown = accessible(display(view));
        QCOMPARE(shown->role(), QAccessible::EditableText);
        QCOMPARE(shown->text(QAccessible::Name), u"Display"_s);
        QCOMPARE(shown->text(QAccessible::Value), u"15"_s);
        QCOMPARE(display(view)->toolTip(), u"15"_s);
    }

    // A reader reads the display by characters, words and lines from any offset, the end of
    // the text included, and gets the whole text as one run of attributes.
    void displayIsReadPieceByPiece() {
        Form1View view;
        switchOn(view);
        click(view, {u"4"_s, u"2"_s});
        auto* text = accessible(display(view))->textInterface();
        QVERIFY(text != nullptr);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end), u"42"_s);
        QCOMPARE(text->textAtOffset(2, QAccessible::LineBoundary, &start, &end), u"42"_s);
        QCOMPARE(text->textAtOffset(2, QAccessible::CharBoundary, &start, &end), QString());
        QCOMPARE(text->textBeforeOffset(2, QAccessible::CharBoundary, &start, &end), u"2"_s);
        QCOMPARE(text->textAfterOffset(0, QAccessible::CharBoundary, &start, &end), u"2"_s);
        QCOMPARE(text->textBeforeOffset(1, QAccessible::WordBoundary, &start, &end), QString());
        text->attributes(1, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, 2));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

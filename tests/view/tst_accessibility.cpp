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
    // A symbol, the two clearing keys a reader must tell apart, and a digit spoken as it is.
    void keysAreSpokenInWords_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("-/+") << u"-/+"_s << u"Change sign"_s;
        QTest::newRow("C") << u"C"_s << u"Clear display"_s;
        QTest::newRow("CE") << u"CE"_s << u"Clear all"_s;
        QTest::newRow("7") << u"7"_s << u"7"_s;
    }
    void keysAreSpokenInWords() {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        Form1View view;
        QCOMPARE(accessible(key(view, caption))->text(QAccessible::Name), spoken);
    }

    // No key is left to a reader that would spell out or skip a symbol, and no two keys sound
    // alike.
    void everyKeyIsAButtonWithADistinctNameInWords() {
        Form1View view;
        const QRegularExpression words(u"^[A-Za-z0-9]+( [A-Za-z0-9]+)*$"_s);
        QSet<QString> names;
        for (auto* button : view.findChildren<QPushButton*>()) {
            QAccessibleInterface* spoken = accessible(button);
            QCOMPARE(spoken->role(), QAccessible::Button);
            const QString name = spoken->text(QAccessible::Name);
            QVERIFY2(words.match(name).hasMatch(), qPrintable(button->text() + u" -> "_s + name));
            names.insert(name);
        }
        QCOMPARE(names.size(), 33);
    }

    void displayIsNamedAndReadsTheResult() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"1"_s, u"2"_s, u"+"_s, u"3"_s, u"="_s});
        QAccessibleInterface* shown = accessible(display(view));
        QCOMPARE(shown->role(), QAccessible::EditableText);
        QCOMPARE(shown->text(QAccessible::Name), u"Display"_s);
        QCOMPARE(shown->text(QAccessible::Value), u"15"_s);
        QCOMPARE(display(view)->toolTip(), u"15"_s);
    }

    // Readers hear the refusal as the display's description while it flashes. (The alert event
    // that goes with it needs a platform with accessibility, which the offscreen one is not.)
    void refusedKeyIsDescribed() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"Del"_s});
        QCOMPARE(accessible(display(view))->text(QAccessible::Description), u"Not possible"_s);
        QTRY_COMPARE_WITH_TIMEOUT(accessible(display(view))->text(QAccessible::Description),
                                  QString(), 1000);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

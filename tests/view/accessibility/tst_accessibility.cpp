// What a screen reader hears: the names and values the window reports through QAccessible.

#include <numeric>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include "view/accessibility/spoken_texts.h"
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

// The user's language ("de") for as long as this lives: the locale, and Numbrel's translation
// from the build folder; "en", the language the texts are written in, needs no translation.
class Language {
public:
    explicit Language(const QString& code) {
        QLocale::setDefault(QLocale(code));
        if (code == u"en"_s) return;
        if (!m_translator.load(u"numbrel_"_s + code, QStringLiteral(NUMBREL_TRANSLATIONS_DIR)))
            qFatal("no translation for %s", qPrintable(code));
        QCoreApplication::installTranslator(&m_translator);
    }
    ~Language() { QLocale::setDefault(QLocale::system()); }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

private:
    QTranslator m_translator;
};

// Pastes the text over the display's whole text and lets the display repaint, which scrolls it.
void pasteOver(Form1View& view, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    display(view)->selectAll();
    display(view)->paste();
    QCoreApplication::processEvents();
    display(view)->repaint();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // What a reader hears for a key, by its caption, and for the display's text, in the
    // listener's language: a symbol, the two clearing keys a reader must tell apart and a digit
    // as it is; a number with the language's decimal separator and an exponent in words, while
    // the display's own text keeps its '.'; a text that is no number as it is.
    void spokenTexts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");  // empty: the display's text
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        const QList<std::tuple<QString, QString, QString, QString>> rows{
            {u"en"_s, u"-/+"_s, {}, u"Change sign"_s},
            {u"en"_s, u"C"_s, {}, u"Clear display"_s},
            {u"en"_s, u"CE"_s, {}, u"Clear all"_s},
            {u"en"_s, u"7"_s, {}, u"7"_s},
            {u"de"_s, u"-/+"_s, {}, u"Vorzeichen wechseln"_s},
            {u"de"_s, u"Sqr 2"_s, {}, u"Quadratwurzel"_s},
            {u"de"_s, u"."_s, {}, u"Dezimalpunkt"_s},
            {u"de"_s, u"CE"_s, {}, u"Alles löschen"_s},
            {u"de"_s, u"Round (1)"_s, {}, u"Auf eine Nachkommastelle runden"_s},
            {u"de"_s, u"7"_s, {}, u"7"_s},
            {u"en"_s, {}, u"1.4142135623731"_s, u"1.4142135623731"_s},
            {u"de"_s, {}, u"1.4142135623731"_s, u"1,4142135623731"_s},
            {u"de"_s, {}, u"-.5"_s, u"-,5"_s},
            {u"ar"_s, {}, u"1.4142135623731"_s, u"1.4142135623731"_s},
            {u"en"_s, {}, u"1E-05"_s, u"1 times ten to the power of -5"_s},
            {u"de"_s, {}, u"1.5E+16"_s, u"1,5 mal zehn hoch 16"_s},
            {u"de"_s, {}, QString(), u"Leer"_s},
            {u"de"_s, {}, u"1.2.3"_s, u"1.2.3"_s},
        };
        for (const auto& [language, caption, text, spoken] : rows) {
            QTest::addRow("%s %s'%s'", qPrintable(language), qPrintable(caption), qPrintable(text))
                << language << caption << text << spoken;
        }
    }
    void spokenTexts() {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        const Language translation(language);
        Form1View view;
        QCOMPARE(caption.isEmpty() ? numbrel::spokenDisplayText(text)
                                   : accessible(key(view, caption))->text(QAccessible::Name),
                 spoken);
    }

    void everyKeyHasADistinctNameInWords_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << u"en"_s;
        QTest::newRow("de") << u"de"_s;
    }
    // No key is left to a reader that would spell out or skip a symbol, and no two keys sound
    // alike, in any language.
    void everyKeyHasADistinctNameInWords() {
        QFETCH(QString, language);
        const Language translation(language);
        Form1View view;
        const QRegularExpression words(u"^[\\p{L}0-9]+( [\\p{L}0-9]+)*$"_s);
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

    // A reader reads the display by characters, words and lines from any offset, the end of
    // the text included, and gets the whole text as one run of attributes.
    void displayIsReadPieceByPiece() {
        Form1View view;
        QVERIFY(switchOn(view));
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
        // A word is a run of non-blank characters with the blanks, of any kind, after it.
        pasteOver(view, u"12 \u2003" "34"_s);
        QCOMPARE(text->textAtOffset(3, QAccessible::WordBoundary, &start, &end), u"12 \u2003"_s);
        QCOMPARE(text->textAfterOffset(1, QAccessible::WordBoundary, &start, &end), u"34"_s);
        QCOMPARE(std::pair(start, end), std::pair(4, 6));
    }

    // Readers get every character the display holds, shown as it shows them, counted in code
    // points; a character is a grapheme cluster and lies where the line edit draws it, scrolled
    // or not (Qt's own cursorPositionAt says which characters a point falls between).
    void displayTellsEachCharacterAndItsPlace_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QList<int>>("characterStarts");
        QTest::newRow("NULs shown as spaces")
            << u"12\0\0"_s + u"34"_s << u"12  34"_s << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("beyond 16 bits") << u"\U0001F600" "5"_s << u"\U0001F600" "5"_s
                                        << QList<int>{0, 1};
        QTest::newRow("combining mark") << u"e\u0301"_s << u"e\u0301"_s << QList<int>{0};
        // Kerned pairs, blanks that end the kerning, and more than one shaped run of 4096.
        const QString ones = u"1"_s.repeated(5000);
        QList<int> every(5003);
        std::iota(every.begin(), every.end(), 0);
        QTest::newRow("kerned and scrolled") << ones + u" 11"_s << ones + u" 11"_s << every;
        const QString scrolled = u"1234567890"_s.repeated(21).left(202);
        QTest::newRow("202 digits") << scrolled << scrolled << every.mid(0, 202);
    }
    void displayTellsEachCharacterAndItsPlace() {
        QFETCH(QString, pasted);
        QFETCH(QString, read);
        QFETCH(QList<int>, characterStarts);
        Form1View view;
        QVERIFY(switchOn(view));
        pasteOver(view, pasted);
        QLineEdit& shown = *display(view);
        auto* text = accessible(&shown)->textInterface();
        const int count = text->characterCount();
        QCOMPARE(count, static_cast<int>(read.toUcs4().size()));
        QCOMPARE(text->text(0, count), read);
        QCOMPARE(text->text(-3, count + 3), read);
        QCOMPARE(text->cursorPosition(), count);
        QCOMPARE(accessible(&shown)->text(QAccessible::Value), read);

        QString pieces;
        const auto ends = QList<int>(characterStarts) << count;
        for (qsizetype i = 0; i + 1 < ends.size(); ++i) {
            for (int offset = ends[i]; offset < ends[i + 1]; ++offset) {
                int start = -1;
                int end = -1;
                const QString piece = text->textAtOffset(offset, QAccessible::CharBoundary,
                                                         &start, &end);
                QCOMPARE(std::pair(start, end), std::pair(ends[i], ends[i + 1]));
                if (offset == start) pieces += piece;
            }
            const QRect place = text->characterRect(ends[i]);
            const auto unitAt = [&](int x) {
                return shown.cursorPositionAt(shown.mapFromGlobal(QPoint(x, place.center().y())));
            };
            const QList<uint> codes = read.toUcs4();
            const auto unit = static_cast<int>(
                QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), ends[i])
                    .size());
            // A blank 2 pixels wide may round either way.
            if (place.width() <= 2) continue;
            QCOMPARE(unitAt(place.left() + 1), unit);
            QCOMPARE(text->offsetAtPoint(place.center()), ends[i]);
        }
        QCOMPARE(pieces, read);
        QCOMPARE(text->characterRect(count), QRect());
        QCOMPARE(text->characterRect(-1), QRect());
        // The end shows; the first character of a long text lies left of the display.
        const QRect last = text->characterRect(count - 1);
        const QRect box(shown.mapToGlobal(QPoint(0, 0)), shown.size());
        QVERIFY(box.contains(last));
        if (count > 200) QVERIFY(text->characterRect(0).right() < box.left());

        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(count + 1, QAccessible::WordBoundary, &start, &end), QString());
        QCOMPARE(std::pair(start, end), std::pair(-1, -1));
        QCOMPARE(text->textAtOffset(-1, QAccessible::WordBoundary, &start, &end).size() > 0, true);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

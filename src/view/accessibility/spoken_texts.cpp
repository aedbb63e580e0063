#include "view/accessibility/spoken_texts.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace numbrel {
namespace {

// The context every spoken text is translated in; QT_TRANSLATE_NOOP spells it out for lupdate.
constexpr const char* kContext = "SpokenText";

QString translated(const char* text) { return QCoreApplication::translate(kContext, text); }

struct SpokenName {
    CommandButton Form1::*key;
    const char* name;
};

constexpr std::array kSpokenNames{
    SpokenName{&Form1::Command18, QT_TRANSLATE_NOOP("SpokenText", "Decimal point")},
    SpokenName{&Form1::Command10, QT_TRANSLATE_NOOP("SpokenText", "Minus")},
    SpokenName{&Form1::Command11, QT_TRANSLATE_NOOP("SpokenText", "Plus")},
    SpokenName{&Form1::Command12, QT_TRANSLATE_NOOP("SpokenText", "Times")},
    SpokenName{&Form1::Command13, QT_TRANSLATE_NOOP("SpokenText", "Divide")},
    SpokenName{&Form1::Command14, QT_TRANSLATE_NOOP("SpokenText", "Equals")},
    SpokenName{&Form1::Command15, QT_TRANSLATE_NOOP("SpokenText", "Clear all")},
    SpokenName{&Form1::Command31, QT_TRANSLATE_NOOP("SpokenText", "Clear display")},
    SpokenName{&Form1::Command17, QT_TRANSLATE_NOOP("SpokenText", "Change sign")},
    SpokenName{&Form1::Command19, QT_TRANSLATE_NOOP("SpokenText", "Delete last character")},
    SpokenName{&Form1::Command20, QT_TRANSLATE_NOOP("SpokenText", "Round to 2 decimal places")},
    SpokenName{&Form1::Command24, QT_TRANSLATE_NOOP("SpokenText", "Round to 1 decimal place")},
    SpokenName{&Form1::Command23, QT_TRANSLATE_NOOP("SpokenText", "Round to whole number")},
    SpokenName{&Form1::Command21, QT_TRANSLATE_NOOP("SpokenText", "Absolute value")},
    SpokenName{&Form1::Command22, QT_TRANSLATE_NOOP("SpokenText", "Integer part")},
    SpokenName{&Form1::Command25, QT_TRANSLATE_NOOP("SpokenText", "Square")},
    SpokenName{&Form1::Command26, QT_TRANSLATE_NOOP("SpokenText", "Power")},
    SpokenName{&Form1::Command27, QT_TRANSLATE_NOOP("SpokenText", "Square root")},
    SpokenName{&Form1::Command28, QT_TRANSLATE_NOOP("SpokenText", "Sine")},
    SpokenName{&Form1::Command29, QT_TRANSLATE_NOOP("SpokenText", "Cosine")},
    SpokenName{&Form1::Command30, QT_TRANSLATE_NOOP("SpokenText", "Tangent")},
    SpokenName{&Form1::Command32, QT_TRANSLATE_NOOP("SpokenText", "Switch on")},
    SpokenName{&Form1::Command33, QT_TRANSLATE_NOOP("SpokenText", "Switch off")},
};

// A number as a voice of the user's language reads it right. That language is the first of the
// locale's interface languages, the one Numbrel's texts are shown in. Where it writes a decimal
// comma, its voice reads a point as a thousands separator ("1.414" as one thousand four hundred
// fourteen), so the number gets a comma. Everywhere else the point stays: Arabic's own separator
// '٫' is read as no separator at all, which makes 1.41 sound like 141.
QString spokenNumber(QString number) {
    const QLocale language(QLocale().uiLanguages().value(0));
    if (language.decimalPoint() == u",") number.replace(u'.', u',');
    return number;
}

}  // namespace

QString accessibleNameOfKey(CommandButton Form1::*key, QStringView caption) {
    const auto spoken = std::ranges::find(kSpokenNames, key, &SpokenName::key);
    if (spoken == kSpokenNames.end()) return caption.toString();
    return translated(spoken->name);
}

QString displayAccessibleName() { return translated(QT_TRANSLATE_NOOP("SpokenText", "Display")); }

bool namesItsOperation(CommandButton Form1::*key) {
    constexpr std::array operatorKeys{&Form1::Command10, &Form1::Command11, &Form1::Command12,
                                      &Form1::Command13, &Form1::Command26};
    return std::ranges::find(operatorKeys, key) != operatorKeys.end();
}

QString spokenDisplayText(const QString& text) {
    if (text.isEmpty()) return translated(QT_TRANSLATE_NOOP("SpokenText", "Empty"));
    static const QRegularExpression plainForm(QStringLiteral("^-?[0-9]*\\.?[0-9]*$"));
    if (plainForm.match(text).hasMatch()) return spokenNumber(text);
    static const QRegularExpression exponentForm(
        QStringLiteral("^(-?[0-9.]+)E([+-])0*([0-9]+)$"));
    const QRegularExpressionMatch parts = exponentForm.match(text);
    if (!parts.hasMatch()) return text;
    const QString power = (parts.captured(2) == u"-" ? QStringLiteral("-") : QString()) +
                          parts.captured(3);
    //: A number in exponent form, e.g. "1.5 times ten to the power of 16" for 1.5E+16.
    return translated(QT_TRANSLATE_NOOP("SpokenText", "%1 times ten to the power of %2"))
        .arg(spokenNumber(parts.captured(1)), power);
}

QString spokenAfterOperation(const QString& operation, const QString& spokenDisplay) {
    //: An operator key taken, then the display's text: "Plus. Empty."
    return translated(QT_TRANSLATE_NOOP("SpokenText", "%1. %2.")).arg(operation, spokenDisplay);
}

}  // namespace numbrel

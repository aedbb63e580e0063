#include "view/accessibility/spoken_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace numbrel {
namespace {

// The decimal separator of the language the user reads, the first of the locale's interface
// languages, which is also the one Numbrel's texts are shown in.
QString spokenNumber(QString number) {
    const QLocale language(QLocale().uiLanguages().value(0));
    return number.replace(u'.', language.decimalPoint());
}

}  // namespace

QString spokenDisplayText(const QString& text) {
    if (text.isEmpty()) return QCoreApplication::translate("numbrel::Display", "Empty");
    static const QRegularExpression plainForm(QStringLiteral("^-?[0-9]*\\.?[0-9]*$"));
    if (plainForm.match(text).hasMatch()) return spokenNumber(text);
    static const QRegularExpression exponentForm(
        QStringLiteral("^(-?[0-9.]+)E([+-])0*([0-9]+)$"));
    const QRegularExpressionMatch parts = exponentForm.match(text);
    if (!parts.hasMatch()) return text;
    const QString power = (parts.captured(2) == u"-" ? QStringLiteral("-") : QString()) +
                          parts.captured(3);
    //: A number in exponent form, e.g. "1.5 times ten to the power of 16" for 1.5E+16.
    return QCoreApplication::translate("numbrel::Display", "%1 times ten to the power of %2")
        .arg(spokenNumber(parts.captured(1)), power);
}

QString spokenAfterOperation(const QString& operation, const QString& spokenDisplay) {
    //: An operator key taken, then the display's text: "Plus. Empty."
    return QCoreApplication::translate("numbrel::Display", "%1. %2.").arg(operation, spokenDisplay);
}

}  // namespace numbrel

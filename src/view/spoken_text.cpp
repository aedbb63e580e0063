#include "view/spoken_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace numbrel {

QString spokenDisplayText(const QString& text) {
    if (text.isEmpty()) return QCoreApplication::translate("numbrel::Display", "Empty");
    static const QRegularExpression exponentForm(
        QStringLiteral("^(-?[0-9.]+)E([+-])0*([0-9]+)$"));
    const QRegularExpressionMatch parts = exponentForm.match(text);
    if (!parts.hasMatch()) return text;
    const QString power = (parts.captured(2) == u"-" ? QStringLiteral("-") : QString()) +
                          parts.captured(3);
    //: A number in exponent form, e.g. "1.5 times ten to the power of 16" for 1.5E+16.
    return QCoreApplication::translate("numbrel::Display", "%1 times ten to the power of %2")
        .arg(parts.captured(1), power);
}

}  // namespace numbrel

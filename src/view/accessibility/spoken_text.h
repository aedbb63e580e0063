#pragma once

// The display's text as a screen reader should say it.

#include <QString>

namespace numbrel {

// A number is said with the decimal separator of the user's language: a German voice reads
// '1.414' as a number with a thousands separator, '1,414' as the number meant. A number in
// exponent form ('1.52415787501905E+16', '1E-05') becomes the number times ten to the power,
// which a speech synthesizer reads as it is meant instead of spelling "E"; an empty display is
// said to be empty; any other text is spoken as it is.
QString spokenDisplayText(const QString& text);

// What follows an operator key: which operation was taken, then the display's text as spoken
// ("Plus. Empty.").
QString spokenAfterOperation(const QString& operation, const QString& spokenDisplay);

}  // namespace numbrel

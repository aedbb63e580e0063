#pragma once

// What a screen reader speaks that the window does not show: a name in words for each key and
// for the display, and the display's text as it should be said. Most captions are symbols or
// abbreviations ("-/+", "^x", "Sqr 2") that a reader would spell out or skip, so every such key
// gets a name in words; digits and plain words are spoken as they are. Every text is in the
// user's language where the program has a translation for it, in one translation context.

#include <QString>
#include <QStringView>

#include "app/form1.h"

namespace numbrel {

// The spoken name of the key; its caption when that already reads well.
QString accessibleNameOfKey(CommandButton Form1::*key, QStringView caption);

// The spoken name of the display.
QString displayAccessibleName();

// Whether the key is an operator key, which empties the display: a listener hears its name
// after it, as the display alone does not tell which operation was taken.
bool namesItsOperation(CommandButton Form1::*key);

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

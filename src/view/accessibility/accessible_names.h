#pragma once

// What a screen reader speaks for each key. Most captions are symbols or abbreviations ("-/+",
// "^x", "Sqr 2") that a reader would spell out or skip, so every such key gets a name in words;
// digits and plain words are spoken as they are. The names are in the user's language where
// the program has a translation for it.

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

}  // namespace numbrel

#pragma once

// What a screen reader speaks for each key. Most captions are symbols or abbreviations ("-/+",
// "^x", "Sqr 2") that a reader would spell out or skip, so every such key gets a name in words;
// digits and plain words are spoken as they are. The names are in the user's language where
// the program has a translation for it.

#include <QString>
#include <QStringView>

namespace numbrel {

// The spoken name of the key with this caption; the caption itself when it already reads well.
QString accessibleNameForCaption(QStringView caption);

// The spoken name of the display.
QString displayAccessibleName();

}  // namespace numbrel

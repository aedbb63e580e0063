#include "view/accessibility/accessible_names.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>

namespace numbrel {
namespace {

// The context the names are translated in; QT_TRANSLATE_NOOP spells it out for lupdate.
constexpr const char* kContext = "SpokenName";

struct SpokenName {
    CommandButton Form1::*key;
    const char* name;
};

constexpr std::array kSpokenNames{
    SpokenName{&Form1::Command18, QT_TRANSLATE_NOOP("SpokenName", "Decimal point")},  // "."
    SpokenName{&Form1::Command10, QT_TRANSLATE_NOOP("SpokenName", "Minus")},          // "-"
    SpokenName{&Form1::Command11, QT_TRANSLATE_NOOP("SpokenName", "Plus")},           // "+"
    SpokenName{&Form1::Command12, QT_TRANSLATE_NOOP("SpokenName", "Times")},          // "*"
    SpokenName{&Form1::Command13, QT_TRANSLATE_NOOP("SpokenName", "Divide")},         // "/"
    SpokenName{&Form1::Command14, QT_TRANSLATE_NOOP("SpokenName", "Equals")},         // "="
    SpokenName{&Form1::Command15, QT_TRANSLATE_NOOP("SpokenName", "Clear all")},      // "CE"
    SpokenName{&Form1::Command31, QT_TRANSLATE_NOOP("SpokenName", "Clear display")},  // "C"
    SpokenName{&Form1::Command17, QT_TRANSLATE_NOOP("SpokenName", "Change sign")},    // "-/+"
    SpokenName{&Form1::Command19,
               QT_TRANSLATE_NOOP("SpokenName", "Delete last character")},  // "Del"
    SpokenName{&Form1::Command20,
               QT_TRANSLATE_NOOP("SpokenName", "Round to 2 decimal places")},  // "Round (2)"
    SpokenName{&Form1::Command24,
               QT_TRANSLATE_NOOP("SpokenName", "Round to 1 decimal place")},  // "Round (1)"
    SpokenName{&Form1::Command23,
               QT_TRANSLATE_NOOP("SpokenName", "Round to whole number")},  // "Round Int"
    SpokenName{&Form1::Command21, QT_TRANSLATE_NOOP("SpokenName", "Absolute value")},  // "ABS"
    SpokenName{&Form1::Command22, QT_TRANSLATE_NOOP("SpokenName", "Integer part")},    // "Int"
    SpokenName{&Form1::Command25, QT_TRANSLATE_NOOP("SpokenName", "Square")},          // "^2"
    SpokenName{&Form1::Command26, QT_TRANSLATE_NOOP("SpokenName", "Power")},           // "^x"
    SpokenName{&Form1::Command27, QT_TRANSLATE_NOOP("SpokenName", "Square root")},     // "Sqr 2"
    SpokenName{&Form1::Command28, QT_TRANSLATE_NOOP("SpokenName", "Sine")},            // "Sin"
    SpokenName{&Form1::Command29, QT_TRANSLATE_NOOP("SpokenName", "Cosine")},          // "Cos"
    SpokenName{&Form1::Command30, QT_TRANSLATE_NOOP("SpokenName", "Tangent")},         // "Tan"
    SpokenName{&Form1::Command32, QT_TRANSLATE_NOOP("SpokenName", "Switch on")},       // "ON"
    SpokenName{&Form1::Command33, QT_TRANSLATE_NOOP("SpokenName", "Switch off")},      // "Off"
};

}  // namespace

QString accessibleNameOfKey(CommandButton Form1::*key, QStringView caption) {
    const auto spoken = std::ranges::find(kSpokenNames, key, &SpokenName::key);
    if (spoken == kSpokenNames.end()) return caption.toString();
    return QCoreApplication::translate(kContext, spoken->name);
}

bool namesItsOperation(CommandButton Form1::*key) {
    constexpr std::array operatorKeys{&Form1::Command10, &Form1::Command11, &Form1::Command12,
                                      &Form1::Command13, &Form1::Command26};
    return std::ranges::find(operatorKeys, key) != operatorKeys.end();
}

QString displayAccessibleName() {
    return QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("SpokenName", "Display"));
}

}  // namespace numbrel

#include "view/accessible_names.h"

#include <algorithm>
#include <array>

namespace numbrel {
namespace {

struct SpokenName {
    CommandButton Form1::*key;
    QStringView name;
};

constexpr std::array kSpokenNames{
    SpokenName{&Form1::Command18, u"Decimal point"},              // "."
    SpokenName{&Form1::Command10, u"Minus"},                      // "-"
    SpokenName{&Form1::Command11, u"Plus"},                       // "+"
    SpokenName{&Form1::Command12, u"Times"},                      // "*"
    SpokenName{&Form1::Command13, u"Divide"},                     // "/"
    SpokenName{&Form1::Command14, u"Equals"},                     // "="
    SpokenName{&Form1::Command15, u"Clear all"},                  // "CE"
    SpokenName{&Form1::Command31, u"Clear display"},              // "C"
    SpokenName{&Form1::Command17, u"Change sign"},                // "-/+"
    SpokenName{&Form1::Command19, u"Delete last character"},      // "Del"
    SpokenName{&Form1::Command20, u"Round to 2 decimal places"},  // "Round (2)"
    SpokenName{&Form1::Command24, u"Round to 1 decimal place"},   // "Round (1)"
    SpokenName{&Form1::Command23, u"Round to whole number"},      // "Round Int"
    SpokenName{&Form1::Command21, u"Absolute value"},             // "ABS"
    SpokenName{&Form1::Command22, u"Integer part"},               // "Int"
    SpokenName{&Form1::Command25, u"Square"},                     // "^2"
    SpokenName{&Form1::Command26, u"Power"},                      // "^x"
    SpokenName{&Form1::Command27, u"Square root"},                // "Sqr 2"
    SpokenName{&Form1::Command28, u"Sine"},                       // "Sin"
    SpokenName{&Form1::Command29, u"Cosine"},                     // "Cos"
    SpokenName{&Form1::Command30, u"Tangent"},                    // "Tan"
    SpokenName{&Form1::Command32, u"Switch on"},                  // "ON"
    SpokenName{&Form1::Command33, u"Switch off"},                 // "Off"
};

}  // namespace

QString accessibleNameOfKey(CommandButton Form1::*key, QStringView caption) {
    const auto spoken = std::ranges::find(kSpokenNames, key, &SpokenName::key);
    return (spoken != kSpokenNames.end() ? spoken->name : caption).toString();
}

QString displayAccessibleName() { return QStringLiteral("Display"); }

}  // namespace numbrel

#include "view/accessible_names.h"

#include <algorithm>
#include <array>

namespace numbrel {
namespace {

struct SpokenName {
    QStringView caption;
    QStringView name;
};

constexpr std::array kSpokenNames{
    SpokenName{u".", u"Decimal point"},
    SpokenName{u"-", u"Minus"},
    SpokenName{u"+", u"Plus"},
    SpokenName{u"*", u"Times"},
    SpokenName{u"/", u"Divide"},
    SpokenName{u"=", u"Equals"},
    SpokenName{u"CE", u"Clear all"},
    SpokenName{u"C", u"Clear display"},
    SpokenName{u"-/+", u"Change sign"},
    SpokenName{u"Del", u"Delete last character"},
    SpokenName{u"Round (2)", u"Round to 2 decimal places"},
    SpokenName{u"Round (1)", u"Round to 1 decimal place"},
    SpokenName{u"Round Int", u"Round to whole number"},
    SpokenName{u"ABS", u"Absolute value"},
    SpokenName{u"Int", u"Integer part"},
    SpokenName{u"^2", u"Square"},
    SpokenName{u"^x", u"Power"},
    SpokenName{u"Sqr 2", u"Square root"},
    SpokenName{u"Sin", u"Sine"},
    SpokenName{u"Cos", u"Cosine"},
    SpokenName{u"Tan", u"Tangent"},
    SpokenName{u"ON", u"Switch on"},
    SpokenName{u"Off", u"Switch off"},
};

}  // namespace

QString accessibleNameForCaption(QStringView caption) {
    const auto spoken = std::ranges::find(kSpokenNames, caption, &SpokenName::caption);
    return (spoken != kSpokenNames.end() ? spoken->name : caption).toString();
}

QString displayAccessibleName() { return QStringLiteral("Display"); }

}  // namespace numbrel

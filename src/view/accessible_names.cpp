#include "view/accessible_names.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>

namespace numbrel {
namespace {

// The context the names are translated in; QT_TRANSLATE_NOOP spells it out for lupdate.
constexpr const char* kContext = "SpokenName";

struct SpokenName {
    QStringView caption;
    const char* name;
};

constexpr std::array kSpokenNames{
    SpokenName{u".", QT_TRANSLATE_NOOP("SpokenName", "Decimal point")},
    SpokenName{u"-", QT_TRANSLATE_NOOP("SpokenName", "Minus")},
    SpokenName{u"+", QT_TRANSLATE_NOOP("SpokenName", "Plus")},
    SpokenName{u"*", QT_TRANSLATE_NOOP("SpokenName", "Times")},
    SpokenName{u"/", QT_TRANSLATE_NOOP("SpokenName", "Divide")},
    SpokenName{u"=", QT_TRANSLATE_NOOP("SpokenName", "Equals")},
    SpokenName{u"CE", QT_TRANSLATE_NOOP("SpokenName", "Clear all")},
    SpokenName{u"C", QT_TRANSLATE_NOOP("SpokenName", "Clear display")},
    SpokenName{u"-/+", QT_TRANSLATE_NOOP("SpokenName", "Change sign")},
    SpokenName{u"Del", QT_TRANSLATE_NOOP("SpokenName", "Delete last character")},
    SpokenName{u"Round (2)", QT_TRANSLATE_NOOP("SpokenName", "Round to 2 decimal places")},
    SpokenName{u"Round (1)", QT_TRANSLATE_NOOP("SpokenName", "Round to 1 decimal place")},
    SpokenName{u"Round Int", QT_TRANSLATE_NOOP("SpokenName", "Round to whole number")},
    SpokenName{u"ABS", QT_TRANSLATE_NOOP("SpokenName", "Absolute value")},
    SpokenName{u"Int", QT_TRANSLATE_NOOP("SpokenName", "Integer part")},
    SpokenName{u"^2", QT_TRANSLATE_NOOP("SpokenName", "Square")},
    SpokenName{u"^x", QT_TRANSLATE_NOOP("SpokenName", "Power")},
    SpokenName{u"Sqr 2", QT_TRANSLATE_NOOP("SpokenName", "Square root")},
    SpokenName{u"Sin", QT_TRANSLATE_NOOP("SpokenName", "Sine")},
    SpokenName{u"Cos", QT_TRANSLATE_NOOP("SpokenName", "Cosine")},
    SpokenName{u"Tan", QT_TRANSLATE_NOOP("SpokenName", "Tangent")},
    SpokenName{u"ON", QT_TRANSLATE_NOOP("SpokenName", "Switch on")},
    SpokenName{u"Off", QT_TRANSLATE_NOOP("SpokenName", "Switch off")},
};

}  // namespace

QString accessibleNameForCaption(QStringView caption) {
    const auto spoken = std::ranges::find(kSpokenNames, caption, &SpokenName::caption);
    if (spoken == kSpokenNames.end()) return caption.toString();
    return QCoreApplication::translate(kContext, spoken->name);
}

QString displayAccessibleName() {
    return QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("SpokenName", "Display"));
}

}  // namespace numbrel

#include "view/widgets/refusal_text.h"

#include <QCoreApplication>

namespace numbrel {
namespace {

QString translated(const char* text) { return QCoreApplication::translate("Refusal", text); }

QString reasonText(Reason reason) {
    switch (reason) {
        case Reason::None:
            break;
        case Reason::NoNumber:
            return translated(QT_TRANSLATE_NOOP("Refusal", "No number in the display"));
        case Reason::NumberTooLarge:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Number too large"));
        case Reason::ResultTooLarge:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Result too large"));
        case Reason::DivisionByZero:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Cannot divide by zero"));
        case Reason::BeyondWholeNumbers:
            //: "/" divides 32-bit whole numbers; an operand lies outside their range.
            return translated(QT_TRANSLATE_NOOP("Refusal", "Number beyond ±2147483647"));
        case Reason::SquareRootOfNegative:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Square root of a negative number"));
        case Reason::FractionalPowerOfNegative:
            return translated(
                QT_TRANSLATE_NOOP("Refusal", "Negative number to a fractional power"));
        case Reason::NothingToDelete:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Nothing to delete"));
    }
    return {};
}

// The steps of "=", named by their operation.
QString stepText(Step step) {
    switch (step) {
        case Step::None:
            break;
        case Step::PressCounter:
            //: The hidden count of presses of "=", which chooses between a first and a repeat.
            return translated(QT_TRANSLATE_NOOP("Refusal", "Press counter"));
        case Step::Addition:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Addition"));
        case Step::Subtraction:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Subtraction"));
        case Step::Multiplication:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Multiplication"));
        case Step::Division:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Division"));
        case Step::Power:
            return translated(QT_TRANSLATE_NOOP("Refusal", "Power"));
    }
    return {};
}

}  // namespace

QString refusalText(Refusal refusal) {
    if (refusal.step == Step::None) return reasonText(refusal.reason);
    //: The step of "=" that failed, then why: "Division: Cannot divide by zero".
    return translated(QT_TRANSLATE_NOOP("Refusal", "%1: %2"))
        .arg(stepText(refusal.step), reasonText(refusal.reason));
}

}  // namespace numbrel

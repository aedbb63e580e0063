#pragma once

// Why a key was refused: what failed and, for "=", in which of its steps. The handler that
// refuses a key records it, from the fault its reading or operation reported and what that
// reading or operation was; a view shows and speaks it. A key that ran to the end has no
// refusal.

#include "numeric/checked.h"

namespace numbrel {

enum class Reason {
    None,                       // the key ran to the end
    NoNumber,                   // a strict reading found no number ('', '.', '1.2.3')
    NumberTooLarge,             // a text holds a number beyond the double range ('1E+400')
    ResultTooLarge,             // the result lies beyond the range of its type
    DivisionByZero,             // the divisor is 0 once rounded to a whole number
    BeyondWholeNumbers,         // an operand of "/" lies outside the 32-bit range
    SquareRootOfNegative,       // "Sqr 2" on a negative number
    FractionalPowerOfNegative,  // a negative base with an exponent that is not whole
    NothingToDelete,            // "Del" on an empty display
};

// The step of "=" that failed; None for every other key.
enum class Step { None, PressCounter, Addition, Subtraction, Multiplication, Division, Power };

struct Refusal {
    Reason reason = Reason::None;
    Step step = Step::None;

    explicit operator bool() const noexcept { return reason != Reason::None; }
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// A reading that failed: the text holds no number, or one beyond the double range.
constexpr Reason unreadable(Fault fault) {
    return fault == Fault::Overflow ? Reason::NumberTooLarge : Reason::NoNumber;
}

// An operation that failed: its result lies beyond the range, or, for Fault::Invalid, the
// operation is undefined for its operands in the way `undefined` names.
constexpr Reason noResult(Fault fault, Reason undefined) {
    return fault == Fault::Overflow ? Reason::ResultTooLarge : undefined;
}

}  // namespace numbrel

#pragma once

// The result of a reading or an operation that can fail in two ways, which the reason a key is
// refused tells apart (app/refusal.h). A failure is reported, never thrown and never hidden in
// an infinity or a NaN: the caller decides what the key does about it. What fails in one way
// only returns a std::optional.

namespace numbrel {

enum class Fault {
    None,
    Invalid,   // the text is not a number, or the operation is undefined for its operands
    Overflow,  // the value lies beyond the range of its type
};

template <class T>
struct Checked {
    T value{};
    Fault fault = Fault::None;

    explicit operator bool() const noexcept { return fault == Fault::None; }
};

template <class T>
Checked<T> failed(Fault fault) {
    return {T{}, fault};
}

}  // namespace numbrel

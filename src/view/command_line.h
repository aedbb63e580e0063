#pragma once

#include <optional>

namespace numbrel {

class Translations;

/// Answers the options that need no window, before Qt starts: --help (-h) and --version (-v)
/// print their text on standard output, in the user's language. Returns the exit status (0)
/// when the program should stop there, or nothing when it should go on to open its window.
std::optional<int> answerInformationOptions(int argc, char* argv[],
                                            const Translations& translations);

/// To be called after QApplication has taken its own options (-platform ...) out of argv:
/// when an argument is left, prints a one-line error and a hint to --help on standard error and
/// returns exit status 2; otherwise returns nothing.
std::optional<int> rejectLeftoverArguments(int argc, char* argv[],
                                           const Translations& translations);

}  // namespace numbrel

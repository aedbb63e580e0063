#pragma once

#include <optional>

class QByteArray;
class QString;

namespace numbrel {

class Translations;

// A line of the program's own for standard error: "numbrel: ", the text and a line end.
QByteArray errorLine(const QString& text);

// Reads the command line before Qt starts, so that nothing of it waits for a window system.
// An argument that is neither Numbrel's own option nor one of Qt's (with its value) is an
// error wherever it stands, beside --help and --version too: prints it with a hint to --help
// on standard error and returns exit status 2. Otherwise the first of --help (-h) and
// --version (-v) prints its text on standard output, in the user's language, and returns 0.
// Returns nothing when the program should go on to open its window.
std::optional<int> answerBeforeStart(int argc, char* argv[], const Translations& translations);

// To be called after QApplication has taken its own options (-platform ...) out of argv: an
// argument left there (such as an option of another platform's plugin) is refused as above,
// with exit status 2; otherwise returns nothing.
std::optional<int> rejectLeftoverArguments(int argc, char* argv[],
                                           const Translations& translations);

}  // namespace numbrel

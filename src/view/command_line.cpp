#include "view/command_line.h"

#include <cstdio>
#include <string_view>

namespace numbrel {
namespace {

constexpr std::string_view helpText =
    "Usage: numbrel [QT-OPTION]...\n"
    "A small desktop calculator: one window with a power switch, a display and a keypad.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Qt's own options work too, for example: numbrel -platform xcb\n"
    "The keys are described in the manual page: man numbrel\n";

constexpr std::string_view versionText =
    "numbrel " NUMBREL_VERSION
    "\n"
    "License GPL-3.0-or-later: GNU General Public License, version 3 or later.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

void print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

std::optional<int> answerInformationOptions(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            print(stdout, helpText);
            return 0;
        }
        if (argument == "--version" || argument == "-v") {
            print(stdout, versionText);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> rejectLeftoverArguments(int argc, char* argv[]) {
    if (argc < 2) return std::nullopt;
    const std::string_view argument = argv[1];
    print(stderr, argument.starts_with('-') ? "numbrel: unknown option '"
                                            : "numbrel: unexpected argument '");
    print(stderr, argument);
    print(stderr, "'\nTry 'numbrel --help' for more information.\n");
    return 2;
}

}  // namespace numbrel

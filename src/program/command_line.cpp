#include "program/command_line.h"

#include <array>
#include <cstdio>
#include <string_view>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "app/control_table.h"
#include "program/translations.h"
#include "view/accessibility/keyboard_access.h"

namespace numbrel {
namespace {

constexpr const char* kContext = "CommandLine";
// The program's name, as it is started and as its messages begin.
constexpr const char* kProgram = "numbrel";

constexpr const char* kHelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: numbrel [QT-OPTION]...\n"
    "A small desktop calculator: one window with a power switch, display and keypad.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Qt's own options work too, for example: numbrel -platform xcb\n"
    "The keys are described in the manual page: man numbrel\n");

constexpr const char* kShortcutsHeading = QT_TRANSLATE_NOOP(
    "CommandLine",
    "\n"
    "Every key has a shortcut that works anywhere in the window. Digits typed on\n"
    "the keyboard go into the display; Return, Enter and Space press the key that\n"
    "has the focus.\n");

constexpr const char* kLicenceText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "License GPL-3.0-or-later: GNU General Public License, version 3 or later.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n");

// The options Qt takes out of the command line when it starts on Linux (QCoreApplication,
// QGuiApplication, QApplication and the xcb platform plugin), with the number of values each
// takes. Qt accepts each of them with two dashes as well.
struct QtOption {
    std::string_view name;
    int values;
};
constexpr std::array kQtOptions = {
    QtOption{"-platform", 1},        QtOption{"-platformpluginpath", 1},
    QtOption{"-platformtheme", 1},   QtOption{"-plugin", 1},
    QtOption{"-qwindowgeometry", 1}, QtOption{"-geometry", 1},
    QtOption{"-qwindowtitle", 1},    QtOption{"-title", 1},
    QtOption{"-qwindowicon", 1},     QtOption{"-icon", 1},
    QtOption{"-session", 1},         QtOption{"-style", 1},
    QtOption{"-stylesheet", 1},      QtOption{"-qmljsdebugger", 1},
    QtOption{"-display", 1},         QtOption{"-name", 1},
    QtOption{"-visual", 1},          QtOption{"-reverse", 0},
    QtOption{"-testability", 0},     QtOption{"-widgetcount", 0},
    QtOption{"-nograb", 0},          QtOption{"-dograb", 0},
};
// Qt's options that carry their value after '='.
constexpr std::array<std::string_view, 3> kQtValuePrefixes = {
    "-style=", "-stylesheet=", "-qmljsdebugger="};

// How many values follow a Qt option, or nothing when the argument is none of Qt's.
std::optional<int> qtOptionValues(std::string_view argument) {
    if (argument.starts_with("--")) argument.remove_prefix(1);
    for (const QtOption& option : kQtOptions) {
        if (argument == option.name) return option.values;
    }
    for (const std::string_view prefix : kQtValuePrefixes) {
        if (argument.starts_with(prefix)) return 0;
    }
    return std::nullopt;
}

bool isHelp(std::string_view argument) { return argument == "--help" || argument == "-h"; }
bool isVersion(std::string_view argument) { return argument == "--version" || argument == "-v"; }

// A chord as the keyboard labels its keys: "Alt+Q", "Ctrl+2", and "Strg+2" on a German one.
QString chordText(QKeyCombination chord, const Translations& translations) {
    QString text;
    if (chord.keyboardModifiers() & Qt::ControlModifier) {
        text += translations.text(kContext, QT_TRANSLATE_NOOP("CommandLine", "Ctrl")) + u'+';
    }
    if (chord.keyboardModifiers() & Qt::AltModifier) {
        text += translations.text(kContext, QT_TRANSLATE_NOOP("CommandLine", "Alt")) + u'+';
    }
    return text + QKeySequence(chord.key()).toString(QKeySequence::PortableText);
}

// Every key's caption beside its shortcut, three to a line.
QString shortcutList(const Translations& translations) {
    constexpr std::size_t kPerLine = 3;
    const std::span<const KeyShortcut> shortcuts = keyShortcuts();
    QString list;
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        const char* caption = controlTable[controlIndex(shortcuts[i].key)].start;
        const QString chord = chordText(shortcuts[i].chord, translations);
        const bool lineEnds = (i + 1) % kPerLine == 0 || i + 1 == shortcuts.size();
        list += QStringLiteral("  %1 %2")
                    .arg(QString::fromLatin1(caption), -9)
                    .arg(chord, lineEnds ? 0 : -6);
        if (lineEnds) list += u'\n';
    }
    return list;
}

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// Prints that the argument is not understood, and a hint to --help; returns exit status 2.
int rejectArgument(const char* rawArgument, const Translations& translations) {
    const QString argument = QString::fromLocal8Bit(rawArgument);
    const char* error = argument.startsWith(u'-')
                            ? QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'")
                            : QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'");
    const char* hint =
        QT_TRANSLATE_NOOP("CommandLine", "Try 'numbrel --help' for more information.");
    std::fputs(errorLine(translations.text(kContext, error).arg(argument)).constData(), stderr);
    print(stderr, translations.text(kContext, hint) + u'\n');
    return 2;
}

}  // namespace

QByteArray errorLine(const QString& text) {
    return QByteArray(kProgram) + ": " + text.toUtf8() + '\n';
}

std::optional<int> answerBeforeStart(int argc, char* argv[], const Translations& translations) {
    std::string_view answer;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (isHelp(argument) || isVersion(argument)) {
            if (answer.empty()) answer = argument;
        } else if (const auto values = qtOptionValues(argument)) {
            i += *values;
        } else {
            return rejectArgument(argv[i], translations);
        }
    }
    if (isHelp(answer)) {
        print(stdout, translations.text(kContext, kHelpText) +
                          translations.text(kContext, kShortcutsHeading) + shortcutList(translations));
        return 0;
    }
    if (isVersion(answer)) {
        print(stdout, QString::fromLatin1(kProgram) + QStringLiteral(" " NUMBREL_VERSION "\n") +
                          translations.text(kContext, kLicenceText));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> rejectLeftoverArguments(int argc, char* argv[],
                                           const Translations& translations) {
    if (argc < 2) return std::nullopt;
    return rejectArgument(argv[1], translations);
}

}  // namespace numbrel

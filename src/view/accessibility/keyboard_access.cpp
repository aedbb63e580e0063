#include "view/accessibility/keyboard_access.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcutEvent>

namespace numbrel {
namespace {

// Alt with the key's character where both layouts, US and German, type it on one key (with or
// without Shift); a letter for the functions and the clearing keys; Ctrl with the number of
// places for the rounding keys. "ON" and "Off" share one chord: only one of them is ever shown
// and enabled, and Qt gives a chord only to such a key. None is a chord of the desktop's own
// (Alt+Tab, Alt+Space, Alt+F1 to Alt+F12, Alt+Esc) or of the display's editing.
constexpr std::array kShortcuts{
    KeyShortcut{&Form1::Command1, Qt::ALT | Qt::Key_1},
    KeyShortcut{&Form1::Command2, Qt::ALT | Qt::Key_2},
    KeyShortcut{&Form1::Command3, Qt::ALT | Qt::Key_3},
    KeyShortcut{&Form1::Command4, Qt::ALT | Qt::Key_4},
    KeyShortcut{&Form1::Command5, Qt::ALT | Qt::Key_5},
    KeyShortcut{&Form1::Command6, Qt::ALT | Qt::Key_6},
    KeyShortcut{&Form1::Command7, Qt::ALT | Qt::Key_7},
    KeyShortcut{&Form1::Command8, Qt::ALT | Qt::Key_8},
    KeyShortcut{&Form1::Command9, Qt::ALT | Qt::Key_9},
    KeyShortcut{&Form1::Command16, Qt::ALT | Qt::Key_0},
    KeyShortcut{&Form1::Command18, Qt::ALT | Qt::Key_Period},
    KeyShortcut{&Form1::Command10, Qt::ALT | Qt::Key_Minus},
    KeyShortcut{&Form1::Command11, Qt::ALT | Qt::Key_Plus},
    KeyShortcut{&Form1::Command12, Qt::ALT | Qt::Key_Asterisk},
    KeyShortcut{&Form1::Command13, Qt::ALT | Qt::Key_Slash},
    KeyShortcut{&Form1::Command14, Qt::ALT | Qt::Key_Equal},
    KeyShortcut{&Form1::Command26, Qt::ALT | Qt::Key_X},
    KeyShortcut{&Form1::Command25, Qt::ALT | Qt::Key_Q},
    KeyShortcut{&Form1::Command27, Qt::ALT | Qt::Key_R},
    KeyShortcut{&Form1::Command17, Qt::ALT | Qt::Key_N},
    KeyShortcut{&Form1::Command19, Qt::ALT | Qt::Key_D},
    KeyShortcut{&Form1::Command31, Qt::ALT | Qt::Key_C},
    KeyShortcut{&Form1::Command15, Qt::ALT | Qt::Key_E},
    KeyShortcut{&Form1::Command21, Qt::ALT | Qt::Key_A},
    KeyShortcut{&Form1::Command22, Qt::ALT | Qt::Key_I},
    KeyShortcut{&Form1::Command23, Qt::CTRL | Qt::Key_0},
    KeyShortcut{&Form1::Command24, Qt::CTRL | Qt::Key_1},
    KeyShortcut{&Form1::Command20, Qt::CTRL | Qt::Key_2},
    KeyShortcut{&Form1::Command28, Qt::ALT | Qt::Key_S},
    KeyShortcut{&Form1::Command29, Qt::ALT | Qt::Key_O},
    KeyShortcut{&Form1::Command30, Qt::ALT | Qt::Key_T},
    KeyShortcut{&Form1::Command32, Qt::ALT | Qt::Key_P},
    KeyShortcut{&Form1::Command33, Qt::ALT | Qt::Key_P},
};

bool isReturnOrEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

std::span<const KeyShortcut> keyShortcuts() { return kShortcuts; }

QKeySequence shortcutOfKey(CommandButton Form1::*key) {
    const auto shortcut = std::ranges::find(kShortcuts, key, &KeyShortcut::key);
    return shortcut == kShortcuts.end() ? QKeySequence() : QKeySequence(shortcut->chord);
}

bool isTypedCharacter(const QKeyEvent& key) {
    constexpr auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !key.text().isEmpty() && !(key.modifiers() & chords) && key.key() != Qt::Key_Tab &&
           key.key() != Qt::Key_Backtab && key.key() != Qt::Key_Delete;
}

KeyboardAccess::KeyboardAccess(QObject* parent,
                               std::function<void(const QKeyEvent&)> typeIntoDisplay)
    : QObject(parent), m_typeIntoDisplay(std::move(typeIntoDisplay)) {}

void KeyboardAccess::watch(QAbstractButton& button, CommandButton Form1::*key) {
    button.setShortcut(shortcutOfKey(key));
    button.installEventFilter(this);
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
    auto& button = static_cast<QAbstractButton&>(*watched);
    if (event->type() == QEvent::Shortcut) {
        // Qt would show the key down for a tenth of a second and click it only then, ignoring
        // the same chord meanwhile and letting a digit typed meanwhile overtake it.
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous()) return false;
        button.click();
        return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isReturnOrEnter(key)) {
        QKeyEvent space(key.type(), Qt::Key_Space, key.modifiers(), QStringLiteral(" "),
                        key.isAutoRepeat());
        QCoreApplication::sendEvent(&button, &space);
        return true;
    }
    if (event->type() == QEvent::KeyPress && key.key() != Qt::Key_Space && isTypedCharacter(key)) {
        m_typeIntoDisplay(key);
        return true;
    }
    return false;
}

}  // namespace numbrel

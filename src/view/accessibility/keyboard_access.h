#pragma once

// How the keyboard reaches the keys. Every key has a shortcut, one chord pressed anywhere in the
// window, which screen readers report as the key's shortcut. A key with the focus is pressed by
// Return and Enter as by Space, and a character typed on it is typed into the display.

#include <functional>
#include <span>

#include <QKeySequence>
#include <QObject>

#include "app/form1.h"

class QAbstractButton;
class QKeyEvent;

namespace numbrel {

struct KeyShortcut {
    CommandButton Form1::*key;
    QKeyCombination chord;
};

// Every key's shortcut: Alt with its character or a letter, Ctrl with the places of a
// rounding. In the order a listing of them reads best: digits, operators, functions, switch.
std::span<const KeyShortcut> keyShortcuts();

// The key's shortcut.
QKeySequence shortcutOfKey(CommandButton Form1::*key);

// A key press that types a character. Keys without one (arrows, Home, Shift), Delete, Tab and
// Ctrl/Alt/Meta chords are editing, focus keys and shortcuts, never typed.
bool isTypedCharacter(const QKeyEvent& key);

// Watches the keys it is installed on. A shortcut clicks its key at once, so that no chord
// waits for another or is lost; Return and Enter stand for Space; any other typed character
// goes to `typeIntoDisplay`.
class KeyboardAccess : public QObject {
    Q_OBJECT

public:
    KeyboardAccess(QObject* parent, std::function<void(const QKeyEvent&)> typeIntoDisplay);

    // Gives the key its shortcut and watches it.
    void watch(QAbstractButton& button, CommandButton Form1::*key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QKeyEvent&)> m_typeIntoDisplay;
};

}  // namespace numbrel

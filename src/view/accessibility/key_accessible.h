#pragma once

// What screen readers see of a key: a push button with its spoken name, pressed by its action
// "press", whose key binding is the key's shortcut. The binding is written as readers parse it,
// "<mnemonic>;<key sequence>;<accelerator>", with the shortcut as the accelerator in the
// desktop's own syntax ("<Alt>plus"), so that a reader names it with the key: Orca says "Plus
// push button Alt++".

#include <QAccessibleWidget>

class QAbstractButton;

namespace numbrel {

class KeyAccessible : public QAccessibleWidget {
public:
    explicit KeyAccessible(QAbstractButton* key);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QAbstractButton* key() const;
};

// A shortcut in the desktop's accelerator syntax: Alt+P is "<Alt>p", Ctrl+0 "<Control>0",
// Alt++ "<Alt>plus".
QString acceleratorText(const QKeySequence& shortcut);

}  // namespace numbrel

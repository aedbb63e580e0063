#include "view/accessibility/key_accessible.h"

#include <QAbstractButton>

namespace numbrel {
namespace {

// The X key names of the characters the shortcuts use besides letters and digits.
QString keyName(Qt::Key key) {
    switch (key) {
        case Qt::Key_Plus:
            return QStringLiteral("plus");
        case Qt::Key_Minus:
            return QStringLiteral("minus");
        case Qt::Key_Asterisk:
            return QStringLiteral("asterisk");
        case Qt::Key_Slash:
            return QStringLiteral("slash");
        case Qt::Key_Equal:
            return QStringLiteral("equal");
        case Qt::Key_Period:
            return QStringLiteral("period");
        default:
            return QKeySequence(key).toString(QKeySequence::PortableText).toLower();
    }
}

}  // namespace

QString acceleratorText(const QKeySequence& shortcut) {
    if (shortcut.isEmpty()) return {};
    const QKeyCombination chord = shortcut[0];
    QString text;
    if (chord.keyboardModifiers() & Qt::ControlModifier) text += QStringLiteral("<Control>");
    if (chord.keyboardModifiers() & Qt::AltModifier) text += QStringLiteral("<Alt>");
    return text + keyName(chord.key());
}

KeyAccessible::KeyAccessible(QAbstractButton* key) : QAccessibleWidget(key, QAccessible::Button) {}

QAbstractButton* KeyAccessible::key() const { return static_cast<QAbstractButton*>(widget()); }

QAccessible::State KeyAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = key()->isDown();
    return state;
}

QStringList KeyAccessible::actionNames() const {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void KeyAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        key()->click();
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

QStringList KeyAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName != pressAction() || key()->shortcut().isEmpty()) return {};
    return {QString(), QString(), acceleratorText(key()->shortcut())};
}

}  // namespace numbrel

#include "view/accessible_factory.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "view/announcer.h"
#include "view/display.h"
#include "view/display_accessible.h"
#include "view/key_accessible.h"
#include "view/key_button.h"

namespace numbrel {
namespace {

QAccessibleInterface* viewInterface(const QString&, QObject* object) {
    const QMetaObject* type = object->metaObject();
    if (type == &Display::staticMetaObject) {
        return new DisplayAccessible(static_cast<QLineEdit*>(object));
    }
    if (type == &KeyButton::staticMetaObject) {
        return new KeyAccessible(static_cast<QAbstractButton*>(object));
    }
    if (type == &Announcer::staticMetaObject) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    }
    if (type == &Announcement::staticMetaObject) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(viewInterface), true);
    Q_UNUSED(installed);
}

}  // namespace numbrel

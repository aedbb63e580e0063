#include "view/accessibility/accessible_interfaces.h"

#include <QAccessibleWidget>

#include "view/accessibility/announcer.h"
#include "view/accessibility/display_accessible.h"
#include "view/accessibility/key_accessible.h"
#include "view/accessibility/reader_text.h"
#include "view/widgets/display.h"
#include "view/widgets/key_button.h"

namespace numbrel {
namespace {

QAccessibleInterface* viewInterface(const QString&, QObject* object) {
    const QMetaObject* type = object->metaObject();
    if (type == &Display::staticMetaObject) {
        return new DisplayAccessible(static_cast<Display*>(object));
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

QAccessible::UpdateHandler bridgeHandler = nullptr;
void toReaders(QAccessibleEvent* event);

// Hands the event on to Qt's bridge to the readers, or to the handler that stood before.
void forward(QAccessibleEvent* event) {
    if (bridgeHandler != nullptr) {
        bridgeHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(toReaders);
}

// Qt's line edit tells readers of each edit at a UTF-16 index and with the characters as they
// were typed or pasted; the display's readers get its characters and offsets as its accessible
// interface gives them (see ReaderText). The text before an edit is the same before and after.
void toReaders(QAccessibleEvent* event) {
    const auto* display = qobject_cast<Display*>(event->object());
    if (display == nullptr || !QAccessible::isActive()) {
        forward(event);
        return;
    }
    const auto offset = [display](int unit) {
        return ReaderText::characters(QStringView(display->text()).left(unit));
    };
    QObject* source = event->object();
    switch (event->type()) {
        case QAccessible::TextInserted: {
            const auto& edit = static_cast<const QAccessibleTextInsertEvent&>(*event);
            QAccessibleTextInsertEvent readable(source, offset(edit.changePosition()),
                                                ReaderText::forReaders(edit.textInserted()));
            forward(&readable);
            break;
        }
        case QAccessible::TextRemoved: {
            const auto& edit = static_cast<const QAccessibleTextRemoveEvent&>(*event);
            QAccessibleTextRemoveEvent readable(source, offset(edit.changePosition()),
                                                ReaderText::forReaders(edit.textRemoved()));
            forward(&readable);
            break;
        }
        case QAccessible::TextUpdated: {
            const auto& edit = static_cast<const QAccessibleTextUpdateEvent&>(*event);
            QAccessibleTextUpdateEvent readable(source, offset(edit.changePosition()),
                                                ReaderText::forReaders(edit.textRemoved()),
                                                ReaderText::forReaders(edit.textInserted()));
            forward(&readable);
            break;
        }
        default:
            forward(event);
    }
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(viewInterface);
        bridgeHandler = QAccessible::installUpdateHandler(toReaders);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace numbrel

#include "view/accessibility/announcer.h"

#include <QAccessible>

namespace numbrel {

Announcer::Announcer(QWidget* window) : QWidget(window), m_announcement(new Announcement(this)) {
    setGeometry(0, 0, 0, 0);
    m_announcement->setGeometry(0, 0, 0, 0);
}

void Announcer::announce(const QString& text) {
    m_announcement->setAccessibleName(text);
    QAccessibleEvent shown(m_announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace numbrel

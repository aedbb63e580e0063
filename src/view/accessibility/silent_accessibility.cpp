#include "view/accessibility/silent_accessibility.h"

namespace numbrel {

// The handler takes the place of Qt's bridge to the readers, so an event it drops is never sent.
SilentAccessibility::SilentAccessibility()
    : m_previous(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}

SilentAccessibility::~SilentAccessibility() { QAccessible::installUpdateHandler(m_previous); }

}  // namespace numbrel

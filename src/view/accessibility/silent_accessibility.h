#pragma once

// While one of these lives, the accessibility events Qt sends reach no screen reader. The
// display works under one when Qt would tell readers more than they should hear, and then
// sends what they need itself.

#include <QAccessible>

namespace numbrel {

class SilentAccessibility {
public:
    SilentAccessibility();
    ~SilentAccessibility();
    SilentAccessibility(const SilentAccessibility&) = delete;
    SilentAccessibility& operator=(const SilentAccessibility&) = delete;

private:
    QAccessible::UpdateHandler m_previous;
};

}  // namespace numbrel

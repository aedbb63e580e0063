#pragma once

// A refused key's reason in words, as the window shows it and a screen reader says it.

#include <QString>

#include "app/refusal.h"

namespace numbrel {

// The reason ("Cannot divide by zero"), after the step of "=" that failed where there is one
// ("Division: Cannot divide by zero"), in the user's language.
QString refusalText(Refusal refusal);

}  // namespace numbrel

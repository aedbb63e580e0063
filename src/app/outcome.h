#pragma once

namespace numbrel {

// What a key's operation did: it either ran to the end, or met a fault (a number out of range,
// a text that is not a number, nothing left to delete) and stopped without writing more.
enum class Outcome { Done, Refused };

}  // namespace numbrel

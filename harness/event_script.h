#pragma once

// Reads a byte string as a script of user events and runs them on a Form1 the way the window
// would: clicks on any of the 33 buttons (whether shown or not), characters typed into the
// display through the key filter, and texts pasted over or into the display. Any byte string is
// a valid script, so fuzzers and benchmarks can feed it arbitrary or random bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "app/form1.h"

namespace numbrel::harness {

enum class EventKind { Click, Type, Paste };

struct Event {
    EventKind kind = EventKind::Click;
    std::size_t button = 0;  // Click: index into buttonBindings, 0 to 32
    std::int16_t code = 0;   // Type: the UTF-16 code of the typed character
    std::string text;        // Paste: what is pasted
    bool replace = false;    // Paste: over the whole display, or inserted at the caret
    std::size_t caret = 0;   // Type, Paste: the caret's character position, taken modulo length+1
};

class EventScript {
public:
    explicit EventScript(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    // Decodes the next event; false when the script is used up.
    bool next(Event& event);

private:
    std::uint8_t take();

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

// Runs the event on the form. A typed character goes through Text1_KeyPress and, if the filter
// leaves a code, is inserted at the caret; `event.code` is left as the filter left it.
void apply(Form1& form, Event& event);

}  // namespace numbrel::harness

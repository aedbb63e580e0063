#include "app/form1.h"

namespace numbrel {

// Typing into the display: only the digits '0' to '9' get through. Every other character,
// '.', '-', Backspace and Enter included, is discarded by setting its code to 0.
void Form1::Text1_KeyPress(std::int16_t& code) {
    if (code < '0' || code > '9') code = 0;
    finish({});
}

}  // namespace numbrel

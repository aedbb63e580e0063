#pragma once

// Character-wise operations on the UTF-8 texts of the controls. A character is one code point;
// a byte that does not begin a well-formed sequence counts as a character of its own, so every
// byte string splits into characters and no operation can leave a partial sequence behind.

#include <cstddef>
#include <string>
#include <string_view>

namespace numbrel {

// The number of characters.
std::ptrdiff_t characterCount(std::string_view text);

// The first `count` characters: none for a count of 0 or less, the whole text when count is at
// least its length.
std::string leftPart(std::string_view text, std::ptrdiff_t count);

}  // namespace numbrel

#include "numeric/utf8_characters.h"

#include <gtest/gtest.h>

namespace numbrel {
namespace {

TEST(LeftPart, CountsCharactersNotBytes) {
    EXPECT_EQ(characterCount("12\xC3\xA9"), 3);      // 'é' is one character
    EXPECT_EQ(leftPart("12\xE2\x82\xAC", 2), "12");  // '€' goes whole
    EXPECT_EQ(leftPart("5", 0), "");
    EXPECT_EQ(leftPart("abc", 9), "abc");
    // Bytes that begin no well-formed sequence count one by one, so any text can shrink.
    EXPECT_EQ(characterCount("\x80\xC3"), 2);
    EXPECT_EQ(leftPart("1\xE2\x82", 2), "1\xE2");
}

}  // namespace
}  // namespace numbrel

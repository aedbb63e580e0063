#include "numeric/utf8_characters.h"

namespace numbrel {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the sequence a lead byte announces, or 1 for a byte that leads none.
std::size_t announcedLength(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) return 2;
    if (byte >= 0xE0 && byte <= 0xEF) return 3;
    if (byte >= 0xF0 && byte <= 0xF4) return 4;
    return 1;
}

// Where the character starting at `pos` ends.
std::size_t characterEnd(std::string_view text, std::size_t pos) {
    const std::size_t length = announcedLength(static_cast<unsigned char>(text[pos]));
    if (pos + length > text.size()) return pos + 1;
    for (std::size_t i = pos + 1; i < pos + length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) return pos + 1;
    }
    return pos + length;
}

}  // namespace

std::ptrdiff_t characterCount(std::string_view text) {
    std::ptrdiff_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = characterEnd(text, pos)) ++count;
    return count;
}

std::string leftPart(std::string_view text, std::ptrdiff_t count) {
    std::size_t pos = 0;
    for (std::ptrdiff_t taken = 0; taken < count && pos < text.size(); ++taken) {
        pos = characterEnd(text, pos);
    }
    return std::string(text.substr(0, pos));
}

}  // namespace numbrel

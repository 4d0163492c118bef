// Reading UTF-8 one character at a time, for the name conversions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qlx {

struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 1;  // bytes taken
    bool valid = false;      // false: a byte that does not start a well-formed character (length 1)
};

// The character starting at text[pos] (pos < text.size()).
constexpr Utf8Char readUtf8(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(pos);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (text.size() - pos < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const uint8_t b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return {};
        code = (code << 6) | (b & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length, true};
}

}  // namespace qlx

// Text in the three forms the settings meet: UTF-8 (in memory, and at the
// registry interface), Latin-1 (one byte per character, as the REGEDIT4 file
// holds it) and UTF-16 (the Windows registry's own text and the registry
// editor's Unicode export). Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qlx {

inline constexpr char32_t kReplacementChar = 0xFFFD;

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

inline void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

inline bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<uint8_t>(c) >= 0x80) return false;
    return true;
}

// The characters of a UTF-8 text; a byte that is not part of one counts as one.
inline std::size_t utf8Length(std::string_view utf8) {
    std::size_t chars = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++chars) pos += readUtf8(utf8, pos).length;
    return chars;
}

inline bool isUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = readUtf8(text, pos);
        if (!c.valid) return false;
        pos += c.length;
    }
    return true;
}

// The text with every byte that is not part of a UTF-8 character replaced by U+FFFD.
inline std::string validUtf8(std::string_view text) {
    if (isUtf8(text)) return std::string(text);
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = readUtf8(text, pos);
        if (c.valid) {
            out.append(text.substr(pos, c.length));
        } else {
            appendUtf8(out, kReplacementChar);
        }
        pos += c.length;
    }
    return out;
}

// True when the text is UTF-8 and every character is one of U+0000..U+00FF.
inline bool fitsLatin1(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = readUtf8(utf8, pos);
        if (!c.valid || c.code > 0xFF) return false;
        pos += c.length;
    }
    return true;
}

inline std::string latin1ToUtf8(std::string_view latin1) {
    if (isAscii(latin1)) return std::string(latin1);
    std::string out;
    out.reserve(latin1.size() + latin1.size() / 8);
    for (char c : latin1) appendUtf8(out, static_cast<uint8_t>(c));
    return out;
}

// One byte per character; a character beyond U+00FF, or a byte that is not
// UTF-8, becomes '?' (none does in a text that fitsLatin1).
inline std::string utf8ToLatin1(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = readUtf8(utf8, pos);
        out += c.valid && c.code <= 0xFF ? static_cast<char>(static_cast<uint8_t>(c.code)) : '?';
        pos += c.length;
    }
    return out;
}

// UTF-16 code units; a byte that is not UTF-8 becomes U+FFFD.
inline std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = readUtf8(utf8, pos);
        const char32_t code = c.valid ? c.code : kReplacementChar;
        if (code < 0x10000) {
            out += static_cast<char16_t>(code);
        } else {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
        pos += c.length;
    }
    return out;
}

// UTF-8 of UTF-16 code units. A surrogate without its other half becomes
// U+FFFD and makes exact false.
inline std::string utf16ToUtf8(std::u16string_view utf16, bool* exact = nullptr) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        if (code >= 0xD800 && code <= 0xDFFF) {
            const bool paired = code <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
            if (paired) {
                code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00);
            } else {
                code = kReplacementChar;
                if (exact) *exact = false;
            }
        }
        appendUtf8(out, code);
    }
    return out;
}

// UTF-16 as little-endian bytes, and back. An odd last byte is dropped and
// makes exact false.
inline std::string utf16leBytes(std::u16string_view utf16) {
    std::string out;
    out.reserve(2 * utf16.size());
    for (char16_t unit : utf16) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

inline std::u16string utf16FromLeBytes(std::string_view bytes, bool* exact = nullptr) {
    if (bytes.size() % 2 != 0 && exact) *exact = false;
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    return out;
}

}  // namespace qlx

#include "key_file_format.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace qlx {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
// The header of the registry editor's Unicode export: the file is UTF-16LE
// after a byte-order mark, and hex(1), hex(2) and hex(7) hold UTF-16LE text.
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kHexWrapColumn = 76;
constexpr char kHexDigits[] = "0123456789abcdef";

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && sameValueName(s.substr(0, prefix.size()), prefix);
}

// A quoted text starting at s[pos] == '"', with \\ and \" escapes. On success
// pos is just past the closing quote.
std::optional<std::string> readQuoted(std::string_view s, std::size_t& pos) {
    if (pos >= s.size() || s[pos] != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = pos + 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) return std::nullopt;
            out.push_back(s[++i]);
        } else {
            out.push_back(c);
        }
    }
    return std::nullopt;  // no closing quote
}

// A list of bytes "01,ab,7" (possibly empty).
std::optional<std::vector<uint8_t>> readHexList(std::string_view s) {
    std::vector<uint8_t> out;
    s = trim(s);
    if (s.empty()) return out;
    while (true) {
        const std::size_t comma = s.find(',');
        const std::string_view token = trim(s.substr(0, comma));
        if (token.empty() || token.size() > 2) return std::nullopt;
        int value = 0;
        for (char c : token) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + d;
        }
        out.push_back(static_cast<uint8_t>(value));
        if (comma == std::string_view::npos) return out;
        s.remove_prefix(comma + 1);
    }
}

std::optional<uint32_t> readHexNumber(std::string_view s) {
    s = trim(s);
    if (s.empty() || s.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(d);
    }
    return value;
}

// The lines of a text: split at CR LF, LF or CR alone.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + ((text.substr(end, 2) == "\r\n") ? 2 : 1);
    }
    return lines;
}

bool isTextType(uint32_t type) { return type == kRegSz || type == 2 || type == 7; }  // also expandable and multi-text

// UTF-16LE as one byte per character, as the registry's ANSI functions give
// it: a character above U+00FF (a surrogate pair counting as one) becomes '?'.
// Returns false when anything was lost that way or by an odd last byte.
bool narrowUtf16(std::string_view in, std::string& out) {
    bool exact = in.size() % 2 == 0;
    for (std::size_t i = 0; i + 1 < in.size(); i += 2) {
        const unsigned unit = static_cast<uint8_t>(in[i]) | static_cast<unsigned>(static_cast<uint8_t>(in[i + 1])) << 8;
        if (unit <= 0xFF) {
            out.push_back(static_cast<char>(unit));
            continue;
        }
        exact = false;
        out.push_back('?');
        const bool highHalf = unit >= 0xD800 && unit <= 0xDBFF;
        if (highHalf && i + 3 < in.size() && (static_cast<uint8_t>(in[i + 3]) & 0xFC) == 0xDC) i += 2;
    }
    return exact;
}

// One value from lines[i] (and its continuation lines, which advance i).
// With wideText, hex lists of text types hold UTF-16LE.
std::optional<RegValue> readValue(const std::vector<std::string_view>& lines, std::size_t& i, bool wideText) {
    const std::string_view line = trim(lines[i]);
    RegValue value;
    std::size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else {
        auto name = readQuoted(line, pos);
        if (!name) return std::nullopt;
        value.name = std::move(*name);
    }
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    ++pos;
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    std::string_view rest = line.substr(pos);

    if (!rest.empty() && rest[0] == '"') {
        std::size_t end = 0;
        auto text = readQuoted(rest, end);
        if (!text || !trim(rest.substr(end)).empty()) return std::nullopt;
        value.type = kRegSz;
        value.data.assign(text->begin(), text->end());
        value.data.push_back(0);
        return value;
    }
    if (startsWithNoCase(rest, "dword:")) {
        auto number = readHexNumber(rest.substr(6));
        if (!number) return std::nullopt;
        value.type = kRegDword;
        for (int b = 0; b < 4; ++b) value.data.push_back(static_cast<uint8_t>(*number >> (8 * b)));
        return value;
    }
    if (startsWithNoCase(rest, "hex:")) {
        value.type = kRegBinary;
        rest.remove_prefix(4);
    } else if (startsWithNoCase(rest, "hex(")) {
        const std::size_t close = rest.find("):");
        if (close == std::string_view::npos) return std::nullopt;
        auto type = readHexNumber(rest.substr(4, close - 4));
        if (!type) return std::nullopt;
        value.type = *type;
        rest.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    // Continuation lines: a list ending in a backslash goes on in the next line.
    std::string list(trim(rest));
    while (!list.empty() && list.back() == '\\') {
        list.pop_back();
        if (i + 1 >= lines.size()) return std::nullopt;  // cut off
        list += trim(lines[++i]);
    }
    auto bytes = readHexList(list);
    if (!bytes) return std::nullopt;
    value.data = std::move(*bytes);
    if (wideText && isTextType(value.type)) {
        std::string narrow;
        if (!narrowUtf16(std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()), narrow))
            return std::nullopt;
        value.data.assign(narrow.begin(), narrow.end());
    }
    return value;
}

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
}

void appendHexByte(std::string& out, uint8_t byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

void appendHexList(std::string& out, const std::vector<uint8_t>& data, std::size_t column) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        const bool last = i + 1 == data.size();
        const std::size_t width = last ? 2 : 3;
        if (i > 0 && column + width > kHexWrapColumn) {
            out += '\\';
            out += kNewLine;
            out += "  ";
            column = 2;
        }
        appendHexByte(out, data[i]);
        if (!last) out += ',';
        column += width;
    }
}

// Text that can stand between quotes: one terminating zero and no line break.
bool isPlainText(const RegValue& v) {
    if (v.data.empty() || v.data.back() != 0) return false;
    return std::none_of(v.data.begin(), v.data.end() - 1,
                        [](uint8_t c) { return c == 0 || c == '\r' || c == '\n'; });
}

}  // namespace

bool sameValueName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

ParsedKeyFile parseKeyFile(std::string_view text, std::string_view keyPath) {
    ParsedKeyFile out;
    std::string narrow;
    if (text.substr(0, 2) == kUtf16Bom) {
        out.whole = narrowUtf16(text.substr(2), narrow);
        text = narrow;
    }
    if (text.empty() || (text.back() != '\n' && text.back() != '\r')) out.whole = false;  // cut off in its last line
    const std::vector<std::string_view> lines = splitLines(text);
    bool inOurSection = false;
    bool wideText = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = trim(lines[i]);
        if (i == 0) {
            if (line == kHeader) continue;
            wideText = line == kUnicodeHeader;
            if (wideText) continue;
            out.whole = false;
        }
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            inOurSection = line.size() >= 2 && line.back() == ']' &&
                           sameValueName(line.substr(1, line.size() - 2), keyPath);
            if (!inOurSection) out.whole = false;
            continue;
        }
        if (!inOurSection || (line[0] != '"' && line[0] != '@')) {
            out.whole = false;
            continue;
        }
        auto value = readValue(lines, i, wideText);
        if (!value) {
            out.whole = false;
            continue;
        }
        auto same = std::find_if(out.values.begin(), out.values.end(),
                                 [&](const RegValue& v) { return sameValueName(v.name, value->name); });
        if (same == out.values.end()) {
            out.values.push_back(std::move(*value));
        } else {
            out.whole = false;  // a second value of one name: the last counts, as on import
            same->type = value->type;
            same->data = std::move(value->data);
        }
    }
    return out;
}

std::string formatKeyFile(std::string_view keyPath, const std::vector<RegValue>& values) {
    std::string out;
    out += kHeader;
    out += kNewLine;
    out += kNewLine;
    out += '[';
    out += keyPath;
    out += ']';
    out += kNewLine;
    for (const RegValue& v : values) {
        const std::size_t lineStart = out.size();
        if (v.name.empty()) {
            out += '@';
        } else {
            appendQuoted(out, v.name);
        }
        out += '=';
        if (v.type == kRegSz && isPlainText(v)) {
            appendQuoted(out, std::string_view(reinterpret_cast<const char*>(v.data.data()), v.data.size() - 1));
        } else if (v.type == kRegDword && v.data.size() == 4) {
            out += "dword:";
            for (int b = 3; b >= 0; --b) appendHexByte(out, v.data[static_cast<std::size_t>(b)]);
        } else {
            if (v.type == kRegBinary) {
                out += "hex:";
            } else {
                char prefix[24];
                std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(v.type));
                out += prefix;
            }
            appendHexList(out, v.data, out.size() - lineStart);
        }
        out += kNewLine;
    }
    out += kNewLine;
    return out;
}
}  // namespace qlx

#include "key_file_format.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "text_encoding.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace qlx {

namespace {
// Big tables are asked to be backed by huge pages where the system offers
// them on request: a fault then maps 2 MiB rather than 4 KiB, and a lookup
// misses the TLB far less.
void adviseHugePages(const void* data, std::size_t bytes) {
#ifdef __linux__
    constexpr std::size_t kPage = 4096;
    if (bytes < (std::size_t{4} << 20)) return;
    const auto start = (reinterpret_cast<std::uintptr_t>(data) + kPage - 1) & ~(kPage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kPage - 1);
    if (end > start) static_cast<void>(::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE));
#else
    static_cast<void>(data);
    static_cast<void>(bytes);
#endif
}
}  // namespace

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

// The lines of a text, one at a time: split at CR LF, LF or CR alone.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
        line = text_.substr(pos_, end - pos_);
        pos_ = end + ((text_.substr(end, 2) == "\r\n") ? 2 : 1);
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string_view asText(const std::vector<uint8_t>& data) {
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

// One value from line (and its continuation lines, taken from lines). The
// text is UTF-8; hex lists of text types hold UTF-16LE with wideText, else
// Latin-1.
std::optional<RegValue> readValue(std::string_view line, Lines& lines, bool wideText) {
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
        value.data.reserve(text->size() + 1);
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
    std::string_view next;
    while (!list.empty() && list.back() == '\\') {
        list.pop_back();
        if (!lines.next(next)) return std::nullopt;  // cut off
        list += trim(next);
    }
    auto bytes = readHexList(list);
    if (!bytes) return std::nullopt;
    value.data = std::move(*bytes);
    if (isTextType(value.type)) {
        bool exact = true;
        const std::string text = wideText ? utf16ToUtf8(utf16FromLeBytes(asText(value.data), &exact), &exact)
                                          : latin1ToUtf8(asText(value.data));
        if (!exact) return std::nullopt;  // half a character
        value.data.assign(text.begin(), text.end());
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
    std::string utf8;  // the text as UTF-8, when it is not already
    if (text.substr(0, 2) == kUtf16Bom) {
        utf8 = utf16ToUtf8(utf16FromLeBytes(text.substr(2), &out.whole), &out.whole);
        text = utf8;
    } else if (!isAscii(text)) {
        utf8 = latin1ToUtf8(text);
        text = utf8;
    }
    if (text.empty() || (text.back() != '\n' && text.back() != '\r')) out.whole = false;  // cut off in its last line
    // Room for a value a line, so that neither the values nor the index
    // grow (and copy themselves) on the way.
    const auto lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    out.values.reserve(lineEnds);
    adviseHugePages(out.values.data(), lineEnds * sizeof(RegValue));
    ValueIndex& index = out.index;
    index.reserve(lineEnds);
    // Values are kept a few at a time, so that their slots in the index are
    // on their way from memory while the next ones are read.
    constexpr std::size_t kAhead = 16;
    std::vector<std::pair<RegValue, uint32_t>> read;
    read.reserve(kAhead);
    const auto keepRead = [&] {
        for (auto& [value, hash] : read) {
            const std::size_t same = index.find(out.values, value.name, hash);
            if (same == ValueIndex::npos) {
                out.values.push_back(std::move(value));
                index.addLast(out.values, hash);
            } else {
                out.whole = false;  // a second value of one name: the last counts, as on import
                out.values[same].type = value.type;
                out.values[same].data = std::move(value.data);
            }
        }
        read.clear();
    };
    Lines lines(text);
    bool inOurSection = false;
    bool wideText = false;
    std::string_view line;
    for (bool first = true; lines.next(line); first = false) {
        line = trim(line);
        if (first) {
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
        auto value = readValue(line, lines, wideText);
        if (!value) {
            out.whole = false;
            continue;
        }
        const uint32_t hash = ValueIndex::hashOf(value->name);
        index.prefetch(hash);
        read.push_back({std::move(*value), hash});
        if (read.size() == kAhead) keepRead();
    }
    keepRead();
    return out;
}

std::string formatKeyFile(std::string_view keyPath, const std::vector<RegValue>& values) {
    const bool unicode = !fitsLatin1(keyPath) || std::any_of(values.begin(), values.end(), [](const RegValue& v) {
        return !fitsLatin1(v.name) || (isTextType(v.type) && !fitsLatin1(asText(v.data)));
    });
    // The text in UTF-8, converted as a whole at the end.
    std::string out;
    out += unicode ? kUnicodeHeader : kHeader;
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
            appendQuoted(out, asText(v.data).substr(0, v.data.size() - 1));
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
            const std::size_t column = utf8Length(std::string_view(out).substr(lineStart));
            if (!isTextType(v.type)) {
                appendHexList(out, v.data, column);
            } else {
                const std::string text = unicode ? utf16leBytes(utf8ToUtf16(asText(v.data))) : utf8ToLatin1(asText(v.data));
                appendHexList(out, std::vector<uint8_t>(text.begin(), text.end()), column);
            }
        }
        out += kNewLine;
    }
    out += kNewLine;
    if (unicode) return std::string(kUtf16Bom) + utf16leBytes(utf8ToUtf16(out));
    return isAscii(out) ? out : utf8ToLatin1(out);
}

// ---- The index of names ----


// FNV-1a of the name with ASCII letters in lower case, folded to 32 bits.
uint32_t ValueIndex::hashOf(std::string_view name) {
    uint64_t h = 14695981039346656037ull;
    for (char c : name) h = (h ^ static_cast<uint8_t>(lowerAscii(c))) * 1099511628211ull;
    return static_cast<uint32_t>(h ^ (h >> 32));
}

void ValueIndex::prefetch(uint32_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

std::size_t ValueIndex::find(const std::vector<RegValue>& values, std::string_view name, uint32_t hash) const {
    if (slots_.empty()) return npos;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        const uint64_t slot = slots_[s];
        if (slot == 0) return npos;
        // The name itself is looked at only when its hash is the same.
        const std::size_t at = static_cast<uint32_t>(slot) - 1;
        if (slot >> 32 == hash && sameValueName(values[at].name, name)) return at;
    }
}

void ValueIndex::reserve(std::size_t values) {
    if (count_ != 0 || 2 * values <= slots_.size()) return;
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(64, 2 * values));
    slots_ = std::vector<uint64_t>();
    slots_.reserve(size);
    adviseHugePages(slots_.data(), size * sizeof(uint64_t));
    slots_.resize(size, 0);
}

void ValueIndex::addLast(const std::vector<RegValue>& values, uint32_t hash) {
    if (2 * (count_ + 1) > slots_.size()) {  // at most half full, so that a search ends soon
        std::vector<uint64_t> old = std::move(slots_);
        slots_.assign(std::max<std::size_t>(64, 2 * old.size()), 0);
        for (uint64_t slot : old)
            if (slot != 0) place(slot);
    }
    place(static_cast<uint64_t>(hash) << 32 | static_cast<uint32_t>(values.size()));
    ++count_;
}

void ValueIndex::place(uint64_t slot) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t s = (slot >> 32) & mask;
    while (slots_[s] != 0) s = (s + 1) & mask;
    slots_[s] = slot;
}

}  // namespace qlx

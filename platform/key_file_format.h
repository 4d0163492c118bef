// The text of a key file in the registry editor's export format (REGEDIT4),
// apart from any file: reading it into values and writing values as it.
// Plain C++, no file system, no Qt.
//
// The text as written:
//
//   REGEDIT4
//   <blank line>
//   [HKEY_CURRENT_USER\Software\Orlenda\Quellix\1.0]
//   "SOLVINGDATA"=hex:01,00,00,00,...
//   "1STATS1_1_1"="Anononymous"
//   <blank line>
//
// Lines end in CR LF, as the registry editor writes them; LF or CR alone is
// read as well. Text (names and text values) is one byte per character,
// Latin-1, with \ and " escaped as \\ and \"; text that holds a line break or
// a zero byte before its end is written as hex(1):. Binary values are hex:
// lists, wrapped after 76 columns with a trailing backslash; dword: and
// hex(n): are read and kept.
//
// In memory, names and the data of text values (types 1, 2 and 7) are UTF-8,
// as at the registry interface.
//
// When every text fits Latin-1 (the game's own key always does, unless a
// player's name does not), the file is written as REGEDIT4 as above: plain
// text that ordinary tools read, diff and grep, and that an earlier version
// wrote and reads. When one does not, the whole file is written as the
// registry editor's Unicode export instead, which the registry editor imports
// as well: UTF-16LE after a byte-order mark (FF FE), the header "Windows
// Registry Editor Version 5.00", the same lines, and hex(1), hex(2) and
// hex(7) text as UTF-16LE. Either is read, whatever wrote it; the Unicode
// form keeps every character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "registry.h"

namespace qlx {

// One value of a key.
struct RegValue {
    std::string name;
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;
    bool operator==(const RegValue&) const = default;
};

// Finds a value of a list by name (compared as sameValueName does) in
// constant time, so that reading a file of n values takes time in proportion
// to n. An open-addressing table of positions and hashes, at most half full:
// 16 to 32 bytes a value, where a map of names would take about 80; a
// search looks at a name only when its hash matches.
class ValueIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    // The position in values of the value named name, or npos.
    std::size_t find(const std::vector<RegValue>& values, std::string_view name) const {
        return find(values, name, hashOf(name));
    }
    // Makes room for that many values, before the first is indexed.
    void reserve(std::size_t values);
    // Indexes values.back(), whose name find does not know yet.
    void addLast(const std::vector<RegValue>& values) { addLast(values, hashOf(values.back().name)); }

    // The same with the name's hash computed beforehand, so that a reader of
    // many values can ask the memory for their slots (prefetch) a few values
    // ahead of looking them up: in a big index every lookup misses the cache.
    static uint32_t hashOf(std::string_view name);
    void prefetch(uint32_t hash) const;
    std::size_t find(const std::vector<RegValue>& values, std::string_view name, uint32_t hash) const;
    void addLast(const std::vector<RegValue>& values, uint32_t hash);

private:
    void place(uint64_t slot);
    std::vector<uint64_t> slots_;  // the name's hash << 32 | its position + 1; 0 is free
    std::size_t count_ = 0;
};

struct ParsedKeyFile {
    std::vector<RegValue> values;  // in file order; a repeated name keeps its first place and its last data
    bool whole = true;             // false when anything could not be read
    ValueIndex index;              // of values
};

// Reads the text of a key file whose section is [keyPath], e.g.
// "HKEY_CURRENT_USER\Software\Orlenda\Quellix\1.0". Never fails: what does not
// parse is skipped and makes the result not whole.
ParsedKeyFile parseKeyFile(std::string_view text, std::string_view keyPath);

// The text of a key file holding values under [keyPath].
std::string formatKeyFile(std::string_view keyPath, const std::vector<RegValue>& values);

// Compares names as the registry does: ASCII letters without regard to case.
bool sameValueName(std::string_view a, std::string_view b);

}  // namespace qlx

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
// read as well. Text values are bytes as stored (one byte per character), with
// \ and " escaped as \\ and \"; text that holds a line break or a zero byte
// before its end is written as hex(1):. Binary values are hex: lists, wrapped
// after 76 columns with a trailing backslash; dword: and hex(n): are read and
// kept.
//
// Also read: the registry editor's Unicode export, UTF-16LE after a byte-order
// mark with the header "Windows Registry Editor Version 5.00", in which
// hex(1), hex(2) and hex(7) hold UTF-16LE text. Its text comes in one byte per
// character, as the registry's ANSI functions give it to the game; a character
// above U+00FF cannot: it reads as '?' in quotes (a hex list holding one is
// not read at all), and the file is not whole.
//
// Always written: REGEDIT4. The values are one byte per character, which is
// exactly what REGEDIT4 holds (the Unicode form would widen every byte and
// narrow it again); the registry editor imports it; it stays plain text that
// ordinary tools read, diff and grep; and a file written by an earlier
// version keeps its form.
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

struct ParsedKeyFile {
    std::vector<RegValue> values;  // in file order; a repeated name keeps its first place and its last data
    bool whole = true;             // false when anything could not be read
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

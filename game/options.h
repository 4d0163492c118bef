// The player's options: one record, held once, that the game plays by, the
// menus tick and the settings store keeps between runs. Each option is
// described once, with its first-run value and its range, and the tables the
// options index (grid sizes, tile sizes) are tied to those ranges when the
// program is built.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace qlx {

// Game modes.
inline constexpr int16_t kStandardGame = 1;
inline constexpr int16_t kFallingTiles = 2;

// Seven 16-bit options, in the order they are stored.
struct Options {
    int16_t gameMode = 0;        // 1 Standard Game, 2 Falling Tiles
    int16_t gridSizeIndex = 0;   // 0..3: 12x10, 16x12, 20x15, 25x20
    int16_t tileSizeIndex = 0;   // 0 small, 1 Standard, 2 Big
    int16_t tileSet = 0;         // picture set 0..4
    int16_t numColors = 0;       // tile kinds in play, 5..8
    int16_t fallSpeedIndex = 0;  // falling period list index, 0..19: (index + 2) seconds
    int16_t fallTimeIndex = 0;   // playing-time list index, 0..19: (index + 4) * 30 seconds

    bool operator==(const Options&) const = default;
};

// One option: its value on a first run and the range the game plays.
struct OptionField {
    std::string_view name;
    int16_t Options::*member;
    int16_t firstRun;
    int16_t min;
    int16_t max;

    constexpr bool inRange(int16_t v) const { return v >= min && v <= max; }
};

// Every option, once, in stored order. Load, save, the range check and the menus read this.
inline constexpr std::array<OptionField, 7> kOptionFields{{
    {"gameMode", &Options::gameMode, 1, 1, 2},
    {"gridSizeIndex", &Options::gridSizeIndex, 0, 0, 3},
    {"tileSizeIndex", &Options::tileSizeIndex, 1, 0, 2},
    {"tileSet", &Options::tileSet, 0, 0, 4},
    {"numColors", &Options::numColors, 5, 5, 8},
    {"fallSpeedIndex", &Options::fallSpeedIndex, 3, 0, 19},
    {"fallTimeIndex", &Options::fallTimeIndex, 3, 0, 19},
}};

// The field of a member, e.g. optionField(&Options::numColors).firstRun.
constexpr const OptionField& optionField(int16_t Options::*member) {
    for (const OptionField& f : kOptionFields) {
        if (f.member == member) return f;
    }
    throw std::logic_error("not an option");
}

// The number of values an option can take.
constexpr int optionCount(int16_t Options::*member) { return optionField(member).max - optionField(member).min + 1; }

// The options of a first run.
constexpr Options firstRunOptions() {
    Options o;
    for (const OptionField& f : kOptionFields) o.*f.member = f.firstRun;
    return o;
}

// True when every option lies in its range.
constexpr bool isPlayable(const Options& o) {
    for (const OptionField& f : kOptionFields) {
        if (!f.inRange(o.*f.member)) return false;
    }
    return true;
}

// Tile kinds: board codes 1..kMaxKinds. A picture set holds nine pictures, so
// no more than nine kinds can be told apart.
inline constexpr int16_t kMinKinds = optionField(&Options::numColors).min;
inline constexpr int16_t kMaxKinds = optionField(&Options::numColors).max;
inline constexpr int kPicturesPerSet = 9;
static_assert(kMaxKinds <= kPicturesPerSet, "every kind needs a picture in each set");

// The grid sizes, columns by rows, for gridSizeIndex 0..3.
struct GridSize {
    int16_t cols;
    int16_t rows;
};
inline constexpr std::array<GridSize, 4> kGrids{{{12, 10}, {16, 12}, {20, 15}, {25, 20}}};
static_assert(kGrids.size() == optionCount(&Options::gridSizeIndex), "one grid size per menu item");

// The grid of a grid-size index; an index out of range throws std::out_of_range.
constexpr GridSize gridSize(int16_t gridSizeIndex) { return kGrids.at(static_cast<std::size_t>(gridSizeIndex)); }

// The tile sizes in pixels, for tileSizeIndex 0..2.
inline constexpr std::array<int16_t, 3> kTilePixels{16, 32, 48};
static_assert(kTilePixels.size() == optionCount(&Options::tileSizeIndex), "one tile size per menu item");

constexpr int16_t tilePixels(int16_t tileSizeIndex) { return kTilePixels.at(static_cast<std::size_t>(tileSizeIndex)); }

}  // namespace qlx

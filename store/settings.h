// The two structures kept between runs: the saved options and the best-score
// table. Plain C++, no Qt.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qlx {

// The options kept between runs, seven 16-bit fields in their stored order.
// gridSizeIndex, fallSpeedIndex and fallTimeIndex are the live values
// themselves; the other four are copied into the game state at start-up and
// back before the save.
struct SavedSettings {
    int16_t gameMode = 0;        // 1 Standard Game, 2 Falling Tiles
    int16_t gridSizeIndex = 0;   // 0..3: 12x10, 16x12, 20x15, 25x20
    int16_t tileSizeIndex = 0;   // 0 small, 1 Standard, 2 Big
    int16_t tileSet = 0;         // picture set 0..4
    int16_t numColors = 0;       // tile kinds in play, 5..8
    int16_t fallSpeedIndex = 0;  // falling-tiles period list index, 0..19
    int16_t fallTimeIndex = 0;   // falling-tiles playing-time list index, 0..19

    bool operator==(const SavedSettings&) const = default;
};

// One stored option: where it sits in the 14-byte SOLVINGDATA value, the
// value it has on a first run, and the range the game writes.
struct SettingsField {
    std::string_view name;
    int16_t SavedSettings::*member;
    std::size_t offset;  // byte offset of its little-endian 16 bits
    int16_t firstRun;
    int16_t min;
    int16_t max;

    bool inRange(int16_t v) const { return v >= min && v <= max; }
};

// Every stored option, once. Load, save, the range check and the menus read this.
inline constexpr std::array<SettingsField, 7> kSettingsFields{{
    {"gameMode", &SavedSettings::gameMode, 0, 1, 1, 2},
    {"gridSizeIndex", &SavedSettings::gridSizeIndex, 2, 0, 0, 3},
    {"tileSizeIndex", &SavedSettings::tileSizeIndex, 4, 1, 0, 2},
    {"tileSet", &SavedSettings::tileSet, 6, 0, 0, 4},
    {"numColors", &SavedSettings::numColors, 8, 5, 5, 8},
    {"fallSpeedIndex", &SavedSettings::fallSpeedIndex, 10, 3, 0, 19},
    {"fallTimeIndex", &SavedSettings::fallTimeIndex, 12, 3, 0, 19},
}};

inline constexpr std::size_t kSettingsBytes = 2 * kSettingsFields.size();  // 14

// The field of a member, e.g. settingsField(&SavedSettings::numColors).firstRun.
constexpr const SettingsField& settingsField(int16_t SavedSettings::*member) {
    for (const SettingsField& f : kSettingsFields) {
        if (f.member == member) return f;
    }
    throw std::logic_error("not a stored option");
}

// The options of a first run.
constexpr SavedSettings firstRunSettings() {
    SavedSettings s;
    for (const SettingsField& f : kSettingsFields) s.*f.member = f.firstRun;
    return s;
}

// Best scores.
inline constexpr int kEntriesPerRecord = 3;
inline constexpr int kModes = 2;       // m: 1 Standard Game, 2 Falling Tiles
inline constexpr int kGridSizes = 4;   // g = gridSizeIndex + 1
inline constexpr int kKindCounts = 4;  // k = numColors - 4

// A configuration: the game mode, the grid size and the number of tile kinds.
// Each has its own three best scores.
struct Configuration {
    int16_t gameMode = 1;       // 1 Standard Game, 2 Falling Tiles
    int16_t gridSizeIndex = 0;  // 0..3
    int16_t numColors = 5;      // 5..8

    bool operator==(const Configuration&) const = default;
};

// The three best scores of one configuration with their players' names, best
// first. Entries are numbered 1..3.
struct BestScoreRecord {
    std::array<int32_t, kEntriesPerRecord> scores{};
    std::array<std::string, kEntriesPerRecord> names{};  // UTF-8 in memory

    int32_t& score(int r) { return scores.at(static_cast<std::size_t>(r - 1)); }
    int32_t score(int r) const { return scores.at(static_cast<std::size_t>(r - 1)); }
    std::string& name(int r) { return names.at(static_cast<std::size_t>(r - 1)); }
    const std::string& name(int r) const { return names.at(static_cast<std::size_t>(r - 1)); }

    bool operator==(const BestScoreRecord&) const = default;
};

// One record per configuration (mode m 1..2, grid g 1..4, kinds k 1..4). A new
// table holds scores 0 and empty names.
class BestScoreTable {
public:
    // Throws std::out_of_range for an index outside its bounds.
    BestScoreRecord& record(int m, int g, int k) { return records_.at(indexOf(m, g, k)); }
    const BestScoreRecord& record(int m, int g, int k) const { return records_.at(indexOf(m, g, k)); }

    // The record of a configuration.
    BestScoreRecord& recordFor(const Configuration& c) { return record(c.gameMode, c.gridSizeIndex + 1, c.numColors - 4); }
    const BestScoreRecord& recordFor(const Configuration& c) const {
        return record(c.gameMode, c.gridSizeIndex + 1, c.numColors - 4);
    }

    bool operator==(const BestScoreTable&) const = default;

private:
    static std::size_t indexOf(int m, int g, int k) {
        if (m < 1 || m > kModes || g < 1 || g > kGridSizes || k < 1 || k > kKindCounts) {
            throw std::out_of_range("best-score index out of range");
        }
        return static_cast<std::size_t>(((m - 1) * kGridSizes + (g - 1)) * kKindCounts + (k - 1));
    }

    std::array<BestScoreRecord, kModes * kGridSizes * kKindCounts> records_{};
};

}  // namespace qlx

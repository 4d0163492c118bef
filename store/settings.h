// The best-score table kept between runs, with the options (game/options.h).
// Plain C++, no Qt.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "options.h"

namespace qlx {

// The options are stored as one 14-byte value: each option a little-endian
// 16-bit integer, in the order of kOptionFields.
inline constexpr std::size_t kSettingsBytes = 2 * kOptionFields.size();

// Best scores.
inline constexpr int kEntriesPerRecord = 3;
inline constexpr int kModes = 2;       // m: 1 Standard Game, 2 Falling Tiles
inline constexpr int kGridSizes = 4;   // g = gridSizeIndex + 1
inline constexpr int kKindCounts = 4;  // k = numColors - 4
// The stored table has one record for every configuration the options allow,
// and no more: widening an option's range without the table does not build.
static_assert(kModes == optionCount(&Options::gameMode), "one record set per game mode");
static_assert(kGridSizes == optionCount(&Options::gridSizeIndex), "one record set per grid size");
static_assert(kKindCounts == optionCount(&Options::numColors), "one record per number of kinds");
static_assert(kMinKinds - 4 == 1, "k = numColors - 4 numbers the records from 1");

// A configuration: the game mode, the grid size and the number of tile kinds.
// Each has its own three best scores.
struct Configuration {
    int16_t gameMode = 1;       // 1 Standard Game, 2 Falling Tiles
    int16_t gridSizeIndex = 0;  // 0..3
    int16_t numColors = 5;      // 5..8

    bool operator==(const Configuration&) const = default;
};

// The configuration that options play.
constexpr Configuration configurationOf(const Options& o) { return {o.gameMode, o.gridSizeIndex, o.numColors}; }

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

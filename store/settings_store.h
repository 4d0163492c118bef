// The settings store: the options and the best-score table as the per-user
// key holds them, read and written whole. When to read and write, and how the
// saves of copies of the game running at once merge, is settings_keeper.h's.
//
// Key Software\Orlenda\Quellix\1.0 under the current user, class "USERDATA".
// Values:
//   "SOLVINGDATA"        binary, 14 bytes: the seven options as little-endian
//                        16-bit integers in the order of kOptionFields
//   m"STATS"k"_"g"VAL"   binary, 12 bytes: the three scores of record (m, g, k)
//                        as little-endian 32-bit integers, best first
//   m"STATS"k"_"g"_"r    text: name r of record (m, g, k) and a terminating
//                        zero (UTF-8 at the registry interface; the key
//                        file keeps it as Latin-1 when every text there
//                        fits, the registry as UTF-16)
// with m the mode 1..2, g the grid 1..4, k the kinds 1..4 (k before g in the
// names) and r 1..3. A complete key holds 129 values.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "registry.h"
#include "settings.h"

namespace qlx {

inline constexpr std::string_view kSettingsKeyPath = "Orlenda\\Quellix\\1.0";  // maker \ title \ major.minor
inline constexpr std::string_view kSettingsKeyClass = "USERDATA";
inline constexpr std::string_view kSettingsValueName = "SOLVINGDATA";
// A name that could not be read. Spelt so on purpose: the stored tables of
// earlier versions hold it, and "Anonoymous" (a cleared entry) beside it.
inline constexpr std::string_view kMissingName = "Anononymous";
inline constexpr std::size_t kScoreValueBytes = 12;
// A stored name of more characters (not bytes) loads as "Anononymous".
inline constexpr std::size_t kMaxStoredNameChars = 24;
// Room for the longest name read: 24 characters of up to 4 UTF-8 bytes, and the terminating zero.
inline constexpr std::size_t kNameBufferBytes = 4 * kMaxStoredNameChars + 1;
inline constexpr int kValuesInCompleteKey = 1 + kModes * kGridSizes * kKindCounts * (1 + kEntriesPerRecord);

// How a load or a save went. The store shows nothing: the caller tells the
// player where that is due.
enum class StoreOutcome {
    Done,                 // the key was read or written (or made, on a first run)
    SoftwareUnavailable,  // "Software" could not be opened
    KeyUnavailable,       // the key could not be created or opened
};

// Reads the options and the best scores. settings and table hold the values
// of start-up (all 0, names empty) when it is called.
//
// Values the game reads are taken only when they have the type and length it
// writes; any other is treated as missing (the options keep what they had,
// the scores stay, a name loads as "Anononymous" with score 0). A missing
// "SOLVINGDATA" leaves the options as they were, then:
//   - a key made by this call gets tileSizeIndex 1 (a key that was there, 0);
//   - numColors below 4 becomes 5 (a stored 4 stays 4);
//   - gameMode below 1 becomes 1;
//   - fallSpeedIndex 0 becomes 3, fallTimeIndex 0 becomes 3.
// No other option is tested here: clampToPlayable makes the rest safe.
// A name longer than 24 characters loads as "Anononymous" with score 0.
//
// When "Software" cannot be opened or the key cannot be created, the game
// starts as on a first run: the first-run options and every entry
// "Anononymous" with score 0.
//
// When the key holds something the game cannot use (a value of the wrong type
// or length, an option outside the range the game writes), the store is asked
// to keep the stored content before the save replaces it.
//
// optionsStored, when given, tells whether the key held usable options.
StoreOutcome loadSettings(Registry& registry, Options& settings, BestScoreTable& table, bool* optionsStored = nullptr);

// Reads the key as loadSettings does, except that the options stay exactly as
// stored: none of the rules above corrects them, so that a save which keeps
// them writes back what it read (a stored speed of 0 stays 0). The best
// scores and names are read as loadSettings reads them. Not for options that
// the game is to play: those go through loadSettings and clampToPlayable.
StoreOutcome readStoredSettings(Registry& registry, Options& settings, BestScoreTable& table,
                                bool* optionsStored = nullptr);

// Writes the options and every record, in the order SOLVINGDATA, then for
// m 1..2, g 1..4, k 1..4: the score value and the three names. Failed writes
// of single values are ignored; when "Software" cannot be opened nothing is written.
StoreOutcome saveSettings(Registry& registry, const Options& settings, const BestScoreTable& table);

// Puts every option outside the range the game writes back to its first-run
// value (gameMode 7 -> 1, numColors 4 or 12 -> 5, tileSet -1 -> 0, ...), so
// that start-up and every table look-up stay in range. Apply after
// loadSettings. Returns true when something changed.
bool clampToPlayable(Options& settings);

// The stored forms.
std::array<uint8_t, kSettingsBytes> encodeSettings(const Options& settings);
Options decodeSettings(std::span<const uint8_t, kSettingsBytes> bytes);
std::array<uint8_t, kScoreValueBytes> encodeScores(const BestScoreRecord& record);
void decodeScores(std::span<const uint8_t, kScoreValueBytes> bytes, BestScoreRecord& record);

// Value names, e.g. scoreValueName(1, 2, 3) == "1STATS3_2VAL" and
// nameValueName(2, 4, 1, 3) == "2STATS1_4_3".
std::string scoreValueName(int m, int g, int k);
std::string nameValueName(int m, int g, int k, int r);

}  // namespace qlx

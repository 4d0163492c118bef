// The best scores of a configuration: whether a score enters them, the place
// it takes, putting it in, and the name a player typed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings.h"

namespace qlx {

inline constexpr int16_t kNotRanked = 4;
// An entry cleared with "Clear Data". Spelt so on purpose, as players of
// earlier versions have it in their tables (a name that could not be read is "Anononymous").
inline constexpr std::string_view kClearedName = "Anonoymous";
inline constexpr std::string_view kEmptyUserName = "-";
inline constexpr std::size_t kMaxUserNameChars = 19;

// The place 1..3 that score would take in the configuration's record: the
// first entry whose score is strictly lower. 4 when it does not reach the record.
int16_t rankOfScore(const BestScoreTable& table, const Configuration& config, int32_t score);

// True when score enters the configuration's best scores (places 1..3): the
// player is asked for a name and the score is put in.
bool isRanked(const BestScoreTable& table, const Configuration& config, int32_t score);

// Puts score and name in at the place rankOfScore gives, moving the entries
// below it down one place; the old third entry is lost. Changes nothing when
// the score does not reach the record.
void insertScore(BestScoreTable& table, const Configuration& config, int32_t score, const std::string& name);

// The name the name dialog hands back for the text typed: "-" for an empty
// text, the first 19 characters of a longer one (characters, not bytes, of
// the UTF-8 text), anything else unchanged, spaces included.
std::string userNameFromText(const std::string& utf8);

// "Clear Data": every entry "Anonoymous" with score 0.
void clearRecord(BestScoreRecord& record);

}  // namespace qlx

// The number of a deal: the place in the game's random sequence at which the
// deal begins, counted in draws from the generator's start state. The boards
// dealt without asking keep their places (the first deal after start-up is
// number 0), so each of them has its number; a number names the same board
// on every machine for the same game mode, grid size and number of kinds,
// and in Falling Tiles the same batches after it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qlx {

// The numbers a player may type: 0 to 999 999 999. A program run deals a few
// hundred to a few thousand draws per game, so every deal it gives lies far
// inside this range.
inline constexpr uint64_t kMaxDealNumber = 999'999'999;

// A deal number as typed: decimal digits only, with blanks around them
// allowed (as a copied number may bring), and no larger than kMaxDealNumber.
// Nothing for anything else: signs, separators, fractions, letters, nothing.
std::optional<uint64_t> parseDealNumber(std::string_view text);

// A deal number as shown and copied: plain decimal, no separators.
std::string dealNumberText(uint64_t number);

}  // namespace qlx

// The game clock: counts up in a Standard Game, down in Falling Tiles.
#pragma once

#include <cstdint>
#include <string>

#include "board.h"

namespace qlx {

// Minutes, a colon and two-digit seconds: 0:07, 1:00, 75:03.
std::string clockText(int32_t seconds);

// One second of the clock. Returns true when a Falling Tiles game has run out of time.
bool tickClock(GameState& s);

// The length of a Falling Tiles game for a stored time index: (index + 4) * 30 seconds.
int32_t timeLimitFor(int16_t fallTimeIndex);

// The falling period for a stored speed index: (index + 2) * 1000 milliseconds.
int32_t tilePeriodFor(int16_t fallSpeedIndex);

}  // namespace qlx

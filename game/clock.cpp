#include "clock.h"

namespace qlx {

std::string clockText(int32_t seconds) {
    const int32_t m = seconds / 60;
    const int32_t s = seconds % 60;
    return std::to_string(m) + (s >= 10 ? ":" : ":0") + std::to_string(s);
}

bool tickClock(GameState& s) {
    // 32-bit arithmetic that wraps rather than overflowing.
    const int32_t step = s.options.gameMode == kFallingTiles ? -1 : 1;
    s.clockSeconds = static_cast<int32_t>(static_cast<uint32_t>(s.clockSeconds) + static_cast<uint32_t>(step));
    return s.options.gameMode == kFallingTiles && s.clockSeconds <= 0;
}

int32_t timeLimitFor(int16_t fallTimeIndex) {
    // Computed in 16 bits, kept in 32.
    return static_cast<int16_t>((fallTimeIndex + 4) * 30);
}

int32_t tilePeriodFor(int16_t fallSpeedIndex) {
    return static_cast<int32_t>(static_cast<int16_t>(fallSpeedIndex + 2)) * 1000;
}

}  // namespace qlx

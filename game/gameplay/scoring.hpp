// Points and the score count-up.
#pragma once

#include <cstdint>

struct GameState;

namespace gameplay {

// Adds points to the run's score; the display then counts up towards it. The score is held in
// 16 bits as the high-score tables hold it, so it stops at 32767 instead of wrapping.
void addPoints(GameState& state, std::int32_t points);

} // namespace gameplay

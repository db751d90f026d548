#include "game/gameplay/scoring.hpp"

#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"

#include <algorithm>

namespace gameplay {

void addPoints(GameState& s, std::int32_t points) {
    if (s.scoreCounting) {
        s.score = saturatingAdd(s.score, points);
        return;
    }
    const std::int32_t base = std::clamp<std::int32_t>(s.displayedScore, INT16_MIN, INT16_MAX);
    s.score = saturatingAdd(static_cast<std::int16_t>(base), points);
    s.scoreCounting = true;
}

} // namespace gameplay

#include "game/gameplay/random_draws.hpp"

#include "game/state/game_state.hpp"
#include "game/state/play_clock.hpp"

namespace gameplay {

void reseedFromClock(GameState& state) {
    const std::uint32_t tick = playTick(state);
    const std::uint32_t previous = static_cast<std::uint32_t>(state.rng());
    state.rng.seed(previous ^ (tick * 2654435761u));
}

double randomFraction(GameState& state) {
    return static_cast<double>(state.rng() >> 8) * (1.0 / 16777216.0);
}

} // namespace gameplay

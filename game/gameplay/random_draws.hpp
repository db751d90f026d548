// Draws from the state's one random generator, so a scripted run repeats exactly.
#pragma once

struct GameState;

namespace gameplay {

// Mixes the engine tick into the generator. Mixing instead of replacing keeps two reseeds in
// the same millisecond from giving the same draws.
void reseedFromClock(GameState& state);

// A fraction in [0, 1) with 24 bits of resolution.
double randomFraction(GameState& state);

} // namespace gameplay

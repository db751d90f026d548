// The timed rules of a level: the clock, the score count-up, energy gain and drain, and the
// spin, expiry and fade of the bubbles.
#pragma once

struct GameState;

namespace gameplay {

// First step of a playing frame. Scenario and bubble match count down (outside the tutorial,
// until the level is decided) and lose at 0:00; time attack counts up and never runs out.
void clockStep(GameState& state);

// Score count-up, pending energy, and the drain while the fly is at the gravitation point or
// under an enemy; energy running out loses the level. Not run in the tutorial.
void scoreStep(GameState& state);

// Last step of a playing frame: bubble spin, health-bubble expiry after 4 s and its fade.
void healthBubbleStep(GameState& state);

} // namespace gameplay

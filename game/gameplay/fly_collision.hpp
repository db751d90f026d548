// The fly against walls and borders: heading from the held arrows, probe points, the blocked
// verdict that MoveFly obeys, push-back along the borders, then the pick-ups.
#pragma once

struct GameState;

// Runs once per playing frame before MoveFly.
void CheckCollision(GameState& state);

namespace gameplay {

// Heading from the held arrows; keeps the last heading when none is held.
void updateFlyHeading(GameState& state);

// headProbes turned by flyHeading, pullProbes by gravityAngle.
void computeFlyProbes(GameState& state);

} // namespace gameplay

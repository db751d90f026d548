// The map's gravitation point: it pulls the fly along the line towards it (walls stop the
// pull) and drains energy within 70 px, with the danger alert and the buzz.
#pragma once

struct GameState;

namespace gameplay {

// Runs after MoveFly in every playing frame.
void gravityStep(GameState& state);

// Direction from the fly to the point in degrees (0 up, clockwise) from dx = flyX - gravityX
// and dy = flyY - gravityY. On the point itself (0, 0) it is 90.
double gravityDirection(double dx, double dy);

} // namespace gameplay

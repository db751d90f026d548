// The fly's flight: wing animation, movement while arrows are held, gliding on after release,
// the drawn angle turning towards the direction of travel, and the arrows read for next frame.
#pragma once

#include <string_view>

struct GameState;

// Runs once per playing frame right after CheckCollision and obeys its flyBlocked verdict.
void MoveFly(GameState& state);

namespace gameplay {

// Turns flyAngle by `step` whole degrees towards the direction "R", "RU", "RD", "L", "LU",
// "LD", "U" or "D"; sets angleSettled on arrival. Does nothing while the angle is settled.
void turnFly(GameState& state, std::string_view direction, int step);

} // namespace gameplay

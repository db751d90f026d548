// The enemies: wasp, gnat, dragonfly and hornet wander, bounce off borders and walls, notice
// the fly within their reaction distance, chase it for a while and then rest.
#pragma once

struct GameState;

namespace gameplay {

// Contact with the fly (energy drain and buzz), border and wall bounces, chase start and the
// chase sound's volume by distance.
void enemySensingStep(GameState& state);

// Wing animation, random turns every 8 s, rest, chase steering, movement and turning.
void enemyMotionStep(GameState& state);

// Direction in degrees (0 up, clockwise) from an enemy to the fly, with dx = flyX - enemyX and
// dy = flyY - enemyY. Straight above or beside gives 0, 90, 180 or 270; on the fly itself 90.
double chaseDirection(double dx, double dy);

// Picks enemyTurnDir for the shorter way from enemyAngle to enemyTargetAngle; with
// `adjustTarget` the target moves by 360 when the way round through 0/360 is shorter.
void chooseShorterTurn(GameState& state, int slot, bool adjustTarget);

// Recomputes E1..E5 of an enemy from its sprite size and angle.
void computeEnemyProbes(GameState& state, int slot, double quarterWidth, double frontOffset);

} // namespace gameplay

// The white fades that end a level (won, lost or given up) and that leave play for the main
// menu, with the screen changes at their ends.
#pragma once

struct GameState;

void runEndOfLevelFade(GameState& state, float dt);
void runQuitToMenuFade(GameState& state, float dt);

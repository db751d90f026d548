// The intro (states 0-7): the finished loading screen, two logo pages and five credits pages,
// eight seconds each, every change through white; Enter, Escape or Space skips to the menu.
#pragma once

struct GameState;

// Draws the page of the current state and runs its timing and fades.
void runIntroStep(GameState& state);

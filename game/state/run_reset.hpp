// Resets of the run and of the main menu when a game ends or is left.
#pragma once

struct GameState;

// The main menu as at start-up: first item selected, panels closed, slideshow from the start.
void resetMainMenu(GameState& state);

// Back to a fresh run: flags, counters, lives, energy, built-in level 1, the end-screen choices
// and the main menu. The screen state is left to the caller.
void resetRun(GameState& state);

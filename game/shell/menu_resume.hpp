// Starting at the main menu as after a game: how a replay begins a segment of a session that
// was recorded from a return to the main menu.
#pragma once

struct GameState;

// After startGame(): the intro's music gives way to the menu's, the run and the menu start
// afresh with the built-in first level loaded, and the menu rises out of white.
void resumeAtMainMenu(GameState& state);

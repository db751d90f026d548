// The input step: turns key releases into the actions of the current screen state.
#pragma once

struct GameState;

void HandleInput(GameState& state);

// Opens the pause panel of a level in play (Escape, or the window losing the focus).
void startPause(GameState& state);

// The parts of the input step, one per screen-state range.
void handleIntroInput(GameState& state);
void handleMenuInput(GameState& state);
void handlePlayInput(GameState& state);
void handleEndScreenInput(GameState& state);
void handleHighscoreInput(GameState& state);

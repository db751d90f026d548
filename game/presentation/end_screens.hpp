// The end-of-level screens of the scenario (state 300): the win and lose pictures with their
// three choices, the progress-saved picture, and the white fades that carry out a choice.
#pragma once

struct GameState;

// Draws the screen and runs the pending fade.
void drawEndScreen(GameState& state);

// The keys released this frame (input step of states 300-499).
void applyEndScreenKeys(GameState& state);

// The moment play begins on a loaded level: music, timers and the first bubble.
#pragma once

struct GameState;

// Sets every timer measured from the start of play to the current tick.
void startPlayTimers(GameState& state);

// Enters play (state 200) on the level loaded last, outside the tutorial: the intro music
// gives way to the game music and the first bubble is placed.
void beginPlay(GameState& state);

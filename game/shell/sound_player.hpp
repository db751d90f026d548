// Sound effects and music by case number, played on the game's fixed channel handles.
#pragma once

#include <cstdint>

struct GameState;

// Plays the sound of `soundCase` (1..14) on its channel when music or effects are on;
// other numbers do nothing. Audio results are stored in the state and never acted on.
void PlaySoundCase(GameState& state, std::int16_t soundCase);

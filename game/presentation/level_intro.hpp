// The level intro (state 100): the map's preview on white, its story rising like a roll of
// credits, a pulsing press-space picture; Space or Enter fades to white into play.
#pragma once

struct GameState;

void runLevelIntroStep(GameState& state);

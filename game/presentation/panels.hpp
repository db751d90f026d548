// The pause panel with its three choices and the tutorial panels: when a tutorial panel
// appears, how a panel grows, stays and fades, and the danger alert's pulse.
#pragma once

struct GameState;

// Shows the next tutorial panel once its delay has passed and its condition holds.
void triggerTutorialPanel(GameState& state);

// The pause or tutorial panel: growing, open or fading out.
void drawPausePanel(GameState& state, float dt);

// The red danger alert near the gravitation point.
void drawDangerAlert(GameState& state, float dt);

// Silences every buzz and chase sound under way; with `endChases` the chases also end.
void silenceDrainSounds(GameState& state, bool endChases);

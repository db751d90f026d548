// The playing screen, drawn back to front once per frame in states 200-299 (also while
// paused), with the time-driven presentation state it owns.
#pragma once

struct GameState;

void drawPlayField(GameState& state);

// Size of an enemy's sprite on screen by kind (1 wasp, 2 gnat, 3 dragonfly, 4 hornet).
struct SpriteSize {
    float width;
    float height;
};
SpriteSize enemySpriteSize(int kind);

// Whether the enemies are hidden by the tutorial (before its enemy step and under its panels).
bool enemiesHiddenByTutorial(const GameState& state);

// The animated level objects of the maps: the moon (map 1) and the sun (map 8) on their arc,
// the factory conveyors, wheels and bottles (map 7), the tree (map 2) and the flickering
// light (map 6). They take no part in play.
#pragma once

struct GameState;

// Behind the fly: sky object and factory. Animated only while not paused.
void drawBackObjects(GameState& state, float dt);

// In front of the enemies: the tree and the light. The light keeps flickering while paused.
void drawFrontObjects(GameState& state, float dt);

// Whether the map-6 light is on at a time (ms) of its 7900 ms cycle.
bool lightIsOn(double timer);

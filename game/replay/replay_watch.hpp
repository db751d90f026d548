// Watching a replay: the frames come at the speed they were recorded (or scripted) in a window.
// Space pauses and goes on, Right held runs four times faster, Escape stops. The watcher's keys
// and the window's focus never reach the game, whose input comes from the replay alone.
#pragma once

#include <functional>

struct GameState;

// The gate to call before each frame (ReplayOptions::beforeFrame): it waits for the frame's time
// and returns false once the watcher stops.
std::function<bool(GameState&)> makeReplayWatcher();

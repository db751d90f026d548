// What the game does when its window loses and regains the input focus.
#pragma once

struct GameState;

// Called once a frame after the events are read. On the change to unfocused: a level in play
// pauses as Escape would pause it, every key latch is forgotten (a key held while switching
// away must not act when it comes back up) and both audio systems are muted. On the change back
// the sound returns; the pause stays for the player to close.
void followWindowFocus(GameState& state);

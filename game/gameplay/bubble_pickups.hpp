// Taking the bubble and the health bubble with the fly's front probes.
#pragma once

struct GameState;

namespace gameplay {

// Probes 2 to 4 of the head and of the pull side against both bubbles; at most one bubble is
// taken per frame. Decides the win when the last bubble is taken.
void testPickups(GameState& state);

} // namespace gameplay

// Putting the bubble and the health bubble on open ground, away from the fly.
#pragma once

struct GameState;

// Puts the bubble on a new spot of open ground at least 100 px from the fly. Random draws are
// bounded; after them every pixel of the area is searched. A mask without any open ground is a
// content error: the bubble stays hidden and levelLoadFailed/levelError report it.
void placeBubble(GameState& state);

namespace gameplay {

// Random draws placeBubble makes before it searches the area pixel by pixel.
inline constexpr int kBubbleDraws = 2000;
// Frames a health-bubble spawn tries random spots before it searches the area.
inline constexpr int kHealthSpawnFrames = 30;

// The health bubble's roll every 8 s and its spawn on open ground. Runs every playing frame
// with the play field (also while paused), outside the tutorial.
void healthBubbleSpawnStep(GameState& state);

} // namespace gameplay

// The loading screen: the menu background in a black frame, a progress bar and a percentage.
#pragma once

#include <string>

struct GameState;

// Draws the loading screen as it stands (the intro shows it as its first page too).
void drawLoadingScreen(GameState& state);

// Counts one loaded resource, then clears, draws and presents the loading screen when the
// display is ready for a frame (always for the last count); otherwise the frame is skipped.
void RedrawLoading(GameState& state);

// The text under the bar: the nearest whole percentage, or the closing text once past the end.
std::string loadingText(int loadedCount, int loadTotal);

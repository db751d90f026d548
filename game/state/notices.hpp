// Messages for the player: a message box when the game has a window, otherwise standard error
// and a line of text on the screen for a few seconds.
#pragma once

#include <string>

struct GameState;

void showNotice(GameState& state, const std::string& text);

// Draws the current notice over the frame while it lasts.
void drawNotice(GameState& state);

// A fatal start-up error: always on standard error; in a message box too when a display
// exists.
void reportFatalError(const std::string& text, bool mayShowMessageBox);

// True when a message box can be shown (a display server and a real video driver).
bool displayAvailable();

// The high-score screen: one table over a full-screen picture (state 500), with the name
// entry on the on-screen keyboard (state 501), and the white fade back to the main menu.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct GameState;

// The texts of the screen (glyph lines, top to bottom) for the current state.
struct GlyphLine {
    std::string text;
    float y = 0.0f;
};
std::vector<GlyphLine> highscoreHeaderLines(const GameState& state);
// With `glyphWidth`, a name too long for the screen (from a table written elsewhere: name entry
// types no more than fits) is cut so that the line ends 20 px inside it, the points still shown.
std::string highscorePlaceLine(const GameState& state, int place, const std::string& cursor,
                               const std::function<float(int index)>& glyphWidth = {});

// Draws the screen and runs its leaving fade (states 500 and 501).
void drawHighscoreScreen(GameState& state);

// The keys released this frame (input step of states 500 and 501).
void applyHighscoreKeys(GameState& state);

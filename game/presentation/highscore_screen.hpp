// The high-score screen: one table over a full-screen picture (state 500), with the name
// entry on the on-screen keyboard (state 501), and the white fade back to the main menu.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct GameState;

// The table file of the current game mode and level, below the working directory.
std::filesystem::path currentHighscorePath(const GameState& state);

// Reads the table of the current mode and level into the state. A missing table counts as
// empty (four empty names, 0 points), so a score can still enter it; a damaged one keeps the
// rows that read and the player is told. Returns false for either.
bool loadHighscoreTable(GameState& state);

// Enters displayedScore into the loaded table; a score that takes no place turns the screen
// into the table alone (state 500).
void insertHighscore(GameState& state);

// The end of a game: the table of its mode and level takes the score; name entry follows when
// it took a place.
void openHighscoreEntry(GameState& state);

// Writes the whole table; a failure is reported to the player and the run goes on.
bool saveHighscoreTable(GameState& state);

// The texts of the screen (glyph lines, top to bottom) for the current state.
struct GlyphLine {
    std::string text;
    float y = 0.0f;
};
std::vector<GlyphLine> highscoreHeaderLines(const GameState& state);
std::string highscorePlaceLine(const GameState& state, int place, const std::string& cursor);

// Draws the screen and runs its leaving fade (states 500 and 501).
void drawHighscoreScreen(GameState& state);

// The keys released this frame (input step of states 500 and 501).
void applyHighscoreKeys(GameState& state);

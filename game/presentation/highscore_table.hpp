// The high-score table of the current game mode and level: read, a new score entered, written.
#pragma once

#include <filesystem>

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

// Writes the whole table; a failure is reported to the player and the run goes on. A written
// new row asks for its run to be stored (highscoreRunToStore).
bool saveHighscoreTable(GameState& state);

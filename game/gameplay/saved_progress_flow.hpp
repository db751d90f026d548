// The saved scenario run: written from the end-of-level screens, continued from the menu.
#pragma once

struct GameState;

// Writes save/save.txt from the level just ended. When the folder cannot be written the
// player is told so and the run goes on; returns whether the file was written.
bool saveProgressFromEndScreen(GameState& state);

// The menu's continue item: reads the save and starts the scenario run's white fade. A missing
// or unreadable save does nothing; returns whether a run starts.
bool continueSavedGame(GameState& state);

// Where a continued run goes once the menu's fade is full: a save made after the last level
// (level 17) goes to the scenario's high-score entry with its score instead of a level.
bool continuesPastLastLevel(const GameState& state);

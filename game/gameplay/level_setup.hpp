// Setting up a level from its file: map, fly start, gravitation point, bubbles, clock and
// enemies with their kind's parameters.
#pragma once

#include "common/result.hpp"

#include <filesystem>
#include <string>

struct GameState;

namespace gameplay {

// The level file of levelNumber: built-in "levels/level<n>.lev" or, for user levels (game
// levels 17 and up), "levels/user/level<n - 16>.lev", below `root`.
std::filesystem::path levelPath(const GameState& state, const std::filesystem::path& root = {});

// What the player is told about a level file that cannot be played, in the game's language:
// English gives the reader's whole account, Czech names the file and the faulty line.
std::string levelFileNotice(const std::string& language, const std::filesystem::path& path,
                            const common::Error& error);

// Reads the level file of levelNumber (the user's copy wins, see GameState::files) and
// applies it. A missing or malformed file changes nothing of the level: it sets
// levelLoadFailed and levelError (naming the file, the line and what was expected) and returns
// false, for the caller to report and return to the main menu.
bool loadLevel(GameState& state);
bool loadLevel(GameState& state, const std::filesystem::path& root);

} // namespace gameplay

// The shipped high-score tables and their default copies: names and points a player can reach.
#pragma once

#include "common/highscore_file.hpp"

#include <filesystem>

namespace content::data {

// The table of a mode (1 scenario, 2 bubble match, 3 time attack) and level (1..17, 17 the
// user level; ignored for the scenario), places in descending order.
common::HighscoreFile shippedTable(int gameMode, int levelNumber);

// Writes every table into root/highscore and the same bytes into root/highscore/default.
// Throws std::runtime_error on failure.
void writeHighscoreTables(const std::filesystem::path& root);

} // namespace content::data

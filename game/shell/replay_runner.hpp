// Runs the game headless from an installation tree under a script: scripted clock and keys,
// no audio device, the same frame function as the game program.
#pragma once

#include "game/shell/replay_script.hpp"

#include <filesystem>
#include <iosfwd>
#include <vector>

struct GameState;

// Prints the state as `name value` lines, then `frame N`.
void printReplayState(const GameState& state, long long frame, std::ostream& out);

// Runs the script on the tree at `root` (which becomes the working directory while it runs;
// relative shot paths are taken from the caller's working directory). Returns 0 when the
// script ends or the game ends, non-zero after a fatal error, which goes to `err`. The game
// writes its options file only when it ends (F12, the menu's exit), not at the script's end.
// A `userFolder` holds the user's files of the system layout, with `root` its data folder.
int runReplay(const std::filesystem::path& root, const std::vector<ReplayCommand>& script,
              std::ostream& out, std::ostream& err, const std::filesystem::path& userFolder = {});

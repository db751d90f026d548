// Runs the game headless from an installation tree under a script: scripted clock and keys,
// no audio device, the same frame function as the game program.
#pragma once

#include "game/recording/recorded_state.hpp"
#include "game/replay/replay_script.hpp"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

struct GameState;

struct ReplayOptions {
    std::string scriptName = "the script"; // for messages
    bool window = false; // a window and the sound device instead of off screen and silent
    // With `window`: full screen or not as the options file says, silent and unpaced; shots are
    // then the window's own picture as the screen shows it.
    bool windowAsOptionsSay = false;
    // Called before every frame; returning false stops the replay (a watcher's pace and keys).
    std::function<bool(GameState&)> beforeFrame;
    // The user folder the run reads first and writes into: the system layout's, or a replay's
    // scratch copy; empty: the tree itself.
    std::filesystem::path userFolder;
    std::filesystem::path outputFolder; // where shots go; empty: the caller's working directory
};

// Runs the script on the tree at `root` (which becomes the working directory while it runs;
// shots go into the output folder, a relative one taken from the caller's working directory;
// one that is not a folder is refused before the run). Returns 0 when the
// script ends or the game ends, non-zero after a fatal error, which goes to `err`. The game
// writes its options file only when it ends (F12, the menu's exit), not at the script's end.
// A recording's carried files are laid into the tree it runs first (see layRecordedFiles); the
// files it only names are checked as the run reads them (the user folder's first), each a
// regular file inside its tree read up to a ceiling (a changed or unreadable one is named on
// `err`, and the replay goes on); its `expect` lines are compared with the state: "replay matches
// the recording" on `out`, or the first field that differs on `err` and a non-zero result.
int runReplay(const std::filesystem::path& root, const std::vector<ReplayCommand>& script,
              std::ostream& out, std::ostream& err, const ReplayOptions& options = {});

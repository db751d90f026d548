// The files a recording carries, laid into the tree a replay runs before it starts.
#pragma once

#include "common/result.hpp"
#include "game/replay/replay_script.hpp"

#include <filesystem>
#include <vector>

// Lays the files the script carries into `folder` (the tree, or the user folder, the replay
// reads: the player's own files of the recorded run), replacing what is there, each whole or
// not at all. The error names the file.
common::Status layRecordedFiles(const std::filesystem::path& folder,
                                const std::vector<ReplayCommand>& script);

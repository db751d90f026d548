// The scratch copy a replay runs in, so that a replay never writes into the tree it reads: the
// tree (or the installed game's data folder) stays the data folder, and a fresh folder under
// the temporary folder becomes the user folder, filled with copies of the player's writable
// files. The game then reads the copies and writes beside them; all of it goes afterwards.
#pragma once

#include "common/file_layout.hpp"
#include "common/result.hpp"

#include <filesystem>

// A new empty folder brimzel-replay-XXXXXX under the temporary folder ($TMPDIR, else /tmp),
// removed with everything in it when this object goes.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const common::Status& made() const { return made_; }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    common::Status made_;
};

// Lays the player's writable files of `source` (the portable tree, or the user folder of the
// system layout) into `scratch` as the user folder of a run on `source.dataFolder`: the options
// file, the high-score tables, the saved progress and the user levels as copies, the
// screenshots as empty files of the same names (so a new picture takes the number it would
// take in the tree). In the system layout what is missing is then seeded from the defaults, as
// the game's own start would. A file that cannot be read as a regular file of bounded size is
// left out: the game reads the tree's own. The error names the scratch folder.
common::Status prepareScratchTree(const common::FileLayout& source,
                                  const std::filesystem::path& scratch);

// Where the programs find their files. The code asks for paths relative to the installation
// ("bin/Brimzel.ini", "highscore/highscore_1.fly"); the layout maps each one.
//  - Portable: one writable tree; the data and the user folder are the same.
//  - System: a read-only data folder <prefix>/share/games/brimzel beside the programs in
//    <prefix>/games, and each user's files in $XDG_DATA_HOME/brimzel.
#pragma once

#include "common/result.hpp"

#include <filesystem>
#include <string>

namespace common {

struct FileLayout {
    std::filesystem::path dataFolder; // empty: the working directory
    std::filesystem::path userFolder; // the data folder itself in the portable layout
    std::string userFolderProblem;    // why there is no user folder (HOME unset), else empty

    bool isSystem() const { return userFolder != dataFolder || !userFolderProblem.empty(); }
    // The user's file when there is one, otherwise the data folder's.
    std::filesystem::path readPath(const std::filesystem::path& relative) const;
    // Every write goes to the user folder.
    std::filesystem::path writePath(const std::filesystem::path& relative) const;
};

FileLayout portableLayout(const std::filesystem::path& root);

// The folder of the running program (from /proc/self/exe, else argv[0]).
std::filesystem::path programFolder(const char* argv0);

// Finds the layout from where the program lies: in <prefix>/games with
// <prefix>/share/games/brimzel beside it the system layout, otherwise the portable tree whose
// bin/ holds the program. Reads HOME and XDG_DATA_HOME, writes nothing.
FileLayout findLayout(const std::filesystem::path& programFolder);

// $XDG_DATA_HOME/brimzel; an unset, empty or relative XDG_DATA_HOME means ~/.local/share.
Result<std::filesystem::path> userFolderFromEnvironment(const char* home, const char* xdgDataHome);

// Makes the user folder of the system layout and seeds what is missing: the options file
// from the default one, the tables from the default tables, empty folders for the rest. What
// the user has is never replaced. Does nothing in the portable layout. The error names the
// folder.
Status seedUserFolder(const FileLayout& layout);

} // namespace common

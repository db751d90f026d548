#pragma once

#include <filesystem>

namespace leveleditor {

// The editor runs from bin/ of the installation and reaches the other folders through its
// parent.
struct EditorPaths {
    std::filesystem::path programFolder;

    std::filesystem::path root() const { return (programFolder / "..").lexically_normal(); }
    std::filesystem::path optionsFile() const { return programFolder / "Brimzel.ini"; }
    std::filesystem::path userLevelFolder() const { return root() / "levels" / "user"; }
};

} // namespace leveleditor

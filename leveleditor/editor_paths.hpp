#pragma once

#include "common/file_layout.hpp"

#include <filesystem>
#include <optional>
#include <utility>

namespace leveleditor {

// The editor runs from bin/ of the portable tree and reaches the other folders through its
// parent; installed system-wide, it reads the data folder and keeps the user's files in the
// user folder.
struct EditorPaths {
    explicit EditorPaths(std::filesystem::path folder,
                         std::optional<common::FileLayout> system = std::nullopt)
        : programFolder(std::move(folder)), installed(std::move(system)) {}

    std::filesystem::path programFolder;
    std::optional<common::FileLayout> installed; // the system layout, when it is one

    std::filesystem::path root() const {
        return installed ? installed->dataFolder : (programFolder / "..").lexically_normal();
    }
    // Where the user's own files are: the tree itself when portable.
    std::filesystem::path userRoot() const { return installed ? installed->userFolder : root(); }
    std::filesystem::path optionsFile() const {
        return installed ? installed->writePath("bin/Brimzel.ini") : programFolder / "Brimzel.ini";
    }
    std::filesystem::path userLevelFolder() const { return userRoot() / "levels" / "user"; }
};

} // namespace leveleditor

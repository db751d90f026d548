#pragma once

#include "common/file_layout.hpp"

#include <filesystem>
#include <optional>
#include <utility>

namespace optionseditor {

// Where the editor finds its files: it runs from bin/ of the portable tree and reaches the
// other folders through its parent; installed system-wide, it keeps the user's files in the
// user folder.
struct EditorPaths {
    explicit EditorPaths(std::filesystem::path folder,
                         std::optional<common::FileLayout> system = std::nullopt)
        : programFolder(std::move(folder)), installed(std::move(system)) {}

    std::filesystem::path programFolder;
    std::optional<common::FileLayout> installed; // the system layout, when it is one

    common::FileLayout files() const {
        return installed ? *installed
                         : common::portableLayout((programFolder / "..").lexically_normal());
    }
    std::filesystem::path currentOptionsFile() const {
        return installed ? installed->writePath("bin/Brimzel.ini") : programFolder / "Brimzel.ini";
    }
    std::filesystem::path optionsFolder() const { return files().writePath("options"); }
};

} // namespace optionseditor

#pragma once

#include <filesystem>

namespace optionseditor {

// Where the editor finds its files: it runs from bin/ of the installation and reaches the
// other folders through its parent.
struct EditorPaths {
    std::filesystem::path programFolder;

    std::filesystem::path root() const { return (programFolder / "..").lexically_normal(); }
    std::filesystem::path currentOptionsFile() const { return programFolder / "Brimzel.ini"; }
    std::filesystem::path optionsFolder() const { return root() / "options"; }
};

} // namespace optionseditor

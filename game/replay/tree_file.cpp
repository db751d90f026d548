#include "game/replay/tree_file.hpp"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

common::Error unreadable(const fs::path& path, const std::string& why) {
    return common::Error{common::ErrorKind::badContent, path.string() + " " + why};
}

} // namespace

common::Result<fs::path> pathInsideTree(const fs::path& tree, const fs::path& relative) {
    std::error_code ec;
    const fs::path root = fs::canonical(tree, ec);
    if (ec)
        return unreadable(tree, "cannot be entered: " + ec.message());
    const fs::path resolved = fs::canonical(root / relative, ec);
    if (ec)
        return unreadable(relative, "cannot be found: " + ec.message());
    const auto [rootEnd, at] =
        std::mismatch(root.begin(), root.end(), resolved.begin(), resolved.end());
    if (relative.is_absolute() || rootEnd != root.end())
        return unreadable(relative, "leads out of the tree " + root.string());
    return resolved;
}

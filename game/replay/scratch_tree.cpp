#include "game/replay/scratch_tree.hpp"

#include "game/replay/tree_file.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A folder of screenshots holds far fewer; past this many names the rest are not mirrored.
constexpr int kMostMirroredNames = 100'000;

common::Error scratchError(const fs::path& scratch, const std::string& what) {
    return common::Error{common::ErrorKind::writeFailed, "the replay's scratch folder " +
                                                             scratch.string() +
                                                             " cannot be filled: " + what};
}

common::Status writeFile(const fs::path& scratch, const fs::path& relative,
                         const std::string& bytes) {
    std::ofstream out(scratch / relative, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out)
        return scratchError(scratch, (scratch / relative).string() + " cannot be written");
    return {};
}

// Copies one file of the source; one that is not there or not a readable regular file is left
// out.
common::Status copyFile(const fs::path& from, const fs::path& scratch, const fs::path& relative) {
    const auto bytes = common::readRegularFile(from, kLargestTreeFile);
    if (!bytes)
        return {};
    return writeFile(scratch, relative, bytes.value());
}

// Every regular file directly in `folder` of the source, copied (or only its name, empty).
common::Status copyFolder(const fs::path& source, const fs::path& scratch, const fs::path& folder,
                          bool namesOnly) {
    std::error_code ec;
    int count = 0;
    for (fs::directory_iterator it(source / folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || ++count > kMostMirroredNames)
            continue;
        const fs::path relative = folder / it->path().filename();
        const auto copied =
            namesOnly ? writeFile(scratch, relative, {}) : copyFile(it->path(), scratch, relative);
        if (!copied)
            return copied;
    }
    return {};
}

} // namespace

ScratchFolder::ScratchFolder() {
    std::error_code ec;
    const fs::path temporary = fs::temp_directory_path(ec);
    if (ec) {
        made_ = common::Error{common::ErrorKind::writeFailed,
                              "there is no temporary folder for the replay: " + ec.message()};
        return;
    }
    std::string name = (temporary / "brimzel-replay-XXXXXX").string();
    if (!::mkdtemp(name.data())) {
        made_ = common::Error{common::ErrorKind::writeFailed,
                              "the replay's scratch folder cannot be made in " +
                                  temporary.string() + ": " + std::strerror(errno)};
        return;
    }
    path_ = name;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty())
        fs::remove_all(path_, ignored);
}

common::Status prepareScratchTree(const common::FileLayout& source, const fs::path& scratch) {
    if (!source.userFolderProblem.empty())
        return common::Error{common::ErrorKind::writeFailed, source.userFolderProblem};
    std::error_code ec;
    for (const char* folder :
         {"bin", "highscore", "save", "screenshots", "levels/user", "options"}) {
        fs::create_directories(scratch / folder, ec);
        if (ec)
            return scratchError(scratch, ec.message());
    }
    const fs::path& user = source.userFolder;
    const fs::path options = fs::path("bin") / "Brimzel.ini";
    if (const auto copied = copyFile(user / options, scratch, options); !copied)
        return copied;
    for (const char* folder : {"highscore", "save", "levels/user"})
        if (const auto copied = copyFolder(user, scratch, folder, false); !copied)
            return copied;
    if (const auto copied = copyFolder(user, scratch, "screenshots", true); !copied)
        return copied;
    if (source.isSystem())
        return common::seedUserFolder(common::FileLayout{source.dataFolder, scratch, {}});
    return {};
}

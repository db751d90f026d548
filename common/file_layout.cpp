#include "common/file_layout.hpp"

#include "common/atomic_file.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace common {
namespace {

namespace fs = std::filesystem;

const char* const kUserFolders[] = {"bin",         "highscore",   "save",
                                    "screenshots", "levels/user", "options"};

Error seedError(const FileLayout& layout, const std::string& what) {
    return Error{ErrorKind::writeFailed,
                 "your Brimzel folder " + layout.userFolder.string() + " cannot be made: " + what};
}

Status seedFile(const FileLayout& layout, const fs::path& from, const fs::path& relative) {
    std::error_code ec;
    const fs::path to = layout.writePath(relative);
    if (fs::exists(to, ec))
        return {};
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return {}; // nothing to seed from: the reader reports the missing file as usual
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const auto made = createFileAtomically(to, bytes.str());
    if (!made)
        return seedError(layout, made.message());
    return {};
}

} // namespace

fs::path FileLayout::readPath(const fs::path& relative) const {
    std::error_code ec;
    const fs::path user = userFolder / relative;
    if (userFolder == dataFolder || fs::exists(user, ec))
        return user;
    return dataFolder / relative;
}

fs::path FileLayout::writePath(const fs::path& relative) const {
    return userFolder / relative;
}

FileLayout portableLayout(const fs::path& root) {
    return FileLayout{root, root, {}};
}

fs::path programFolder(const char* argv0) {
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        program = fs::absolute(argv0 ? argv0 : "", ec);
    return program.parent_path();
}

Result<fs::path> userFolderFromEnvironment(const char* home, const char* xdgDataHome) {
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "brimzel";
    if (!home || !fs::path(home).is_absolute())
        return Error{ErrorKind::writeFailed,
                     "HOME is not set to a folder, so there is no place for your Brimzel files "
                     "(~/.local/share/brimzel)"};
    return fs::path(home) / ".local" / "share" / "brimzel";
}

FileLayout findLayout(const fs::path& folder) {
    const fs::path prefix = folder.parent_path();
    const fs::path data = prefix / "share" / "games" / "brimzel";
    std::error_code ec;
    if (folder.filename() != "games" || !fs::is_directory(data, ec))
        return portableLayout(prefix);
    FileLayout layout{data, {}, {}};
    const auto user = userFolderFromEnvironment(std::getenv("HOME"), std::getenv("XDG_DATA_HOME"));
    if (user)
        layout.userFolder = user.value();
    else
        layout.userFolderProblem = user.message();
    return layout;
}

Status seedUserFolder(const FileLayout& layout) {
    if (!layout.userFolderProblem.empty())
        return Error{ErrorKind::writeFailed, layout.userFolderProblem};
    if (!layout.isSystem())
        return {};
    for (const char* folder : kUserFolders) {
        std::error_code ec;
        fs::create_directories(layout.writePath(folder), ec);
        if (ec)
            return seedError(layout, ec.message());
    }
    if (::access(layout.userFolder.c_str(), W_OK) != 0)
        return seedError(layout, std::strerror(errno));
    if (const auto seeded = seedFile(layout, layout.dataFolder / "bin" / "Brimzel.ini",
                                     fs::path("bin") / "Brimzel.ini");
        !seeded)
        return seeded;
    std::error_code ec;
    for (const auto& entry :
         fs::directory_iterator(layout.dataFolder / "highscore" / "default", ec)) {
        const fs::path relative = fs::path("highscore") / entry.path().filename();
        if (const auto seeded = seedFile(layout, entry.path(), relative); !seeded)
            return seeded;
    }
    return {};
}

} // namespace common

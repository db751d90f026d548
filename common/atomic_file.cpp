#include "common/atomic_file.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

Error writeError(const std::filesystem::path& path, const std::string& what) {
    return Error{ErrorKind::writeFailed, path.string() + ": cannot be written (" + what + ": " +
                                             std::strerror(errno) + ")"};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes the bytes to a new private temporary file beside `path`, flushed to disk; returns
// its name.
Result<std::string> writeTemporaryBeside(const std::filesystem::path& path,
                                         std::string_view bytes) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return writeError(path, "creating a temporary file");
    }
    // mkstemp makes the file private; keep the permissions of the file being replaced.
    struct stat existing {};
    ::fchmod(fd, ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const Error error = writeError(path, "writing");
        ::close(fd);
        ::unlink(pattern.c_str());
        return error;
    }
    if (::close(fd) != 0) {
        const Error error = writeError(path, "closing");
        ::unlink(pattern.c_str());
        return error;
    }
    return pattern;
}

void syncFolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

} // namespace

Status replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto temporary = writeTemporaryBeside(path, bytes);
    if (!temporary) {
        return temporary.error();
    }
    const std::string& pattern = temporary.value();
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        const Error error = writeError(path, "renaming");
        ::unlink(pattern.c_str());
        return error;
    }
    // Make the rename itself durable; failing here loses nothing already visible.
    syncFolderOf(path);
    return {};
}

Result<bool> createFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto temporary = writeTemporaryBeside(path, bytes);
    if (!temporary) {
        return temporary.error();
    }
    const std::string& pattern = temporary.value();
    // A hard link never replaces a file: of two writers racing, one makes it and the other
    // finds it there.
    const bool made = ::link(pattern.c_str(), path.c_str()) == 0;
    const int linkErrno = errno;
    ::unlink(pattern.c_str());
    if (!made) {
        if (linkErrno == EEXIST) {
            return false;
        }
        errno = linkErrno;
        return writeError(path, "linking");
    }
    syncFolderOf(path);
    return true;
}

} // namespace common

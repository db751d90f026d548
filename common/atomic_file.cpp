#include "common/atomic_file.hpp"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace common {
namespace {

namespace fs = std::filesystem;

FileFaults faults; // only tests set it, while no file is being written

Error writeError(const fs::path& path, const std::string& what) {
    return Error{ErrorKind::writeFailed, path.string() + ": cannot be written (" + what + ": " +
                                             std::strerror(errno) + ")"};
}

int fail(int error) {
    errno = error;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    if (faults.write != 0) {
        errno = faults.write;
        return false;
    }
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

int linkFile(const char* from, const char* to) {
    return faults.link != 0 ? fail(faults.link) : ::link(from, to);
}

int renameNoReplace(const char* from, const char* to) {
    return faults.renameNoReplace != 0
               ? fail(faults.renameNoReplace)
               : ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// The file a path finally names, symbolic links followed (it need not exist yet), so that a
// rewrite replaces the file a link leads to and not the link.
Result<fs::path> finalTarget(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            return current;
        }
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            errno = ec.value();
            return writeError(path, "following its link");
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    errno = ELOOP;
    return writeError(path, "following its link");
}

// Writes the bytes whole to the new file `fd` and closes it; on failure the file is removed.
Status fillAndClose(int fd, const std::string& name, const fs::path& path, std::string_view bytes) {
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const Error error = writeError(path, "writing");
        ::close(fd);
        ::unlink(name.c_str());
        return error;
    }
    if (::close(fd) != 0) {
        const Error error = writeError(path, "closing");
        ::unlink(name.c_str());
        return error;
    }
    return {};
}

// Writes the bytes to a new temporary file beside `path`, flushed to disk; returns its name.
// It takes `keptMode` when given, else what the umask allows of 0666, as any new file would.
Result<std::string> writeTemporaryBeside(const fs::path& path, std::string_view bytes,
                                         const mode_t* keptMode) {
    static std::atomic<unsigned> serial{0};
    const std::string stem = (folderOf(path) / ("." + path.filename().string() + ".")).string() +
                             std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const std::string name =
            stem + std::to_string(serial++) + "-" + std::to_string(stamp % 1000000);
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, keptMode ? 0600 : 0666);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return writeError(path, "creating a temporary file");
        }
        if (keptMode) {
            ::fchmod(fd, *keptMode);
        }
        if (auto filled = fillAndClose(fd, name, path, bytes); !filled) {
            return filled.error();
        }
        return name;
    }
    errno = EEXIST;
    return writeError(path, "creating a temporary file");
}

void syncFolderOf(const fs::path& path) {
    const int folderFd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

// The last resort where neither links nor create-only renames are offered: only a new file is
// opened, so nothing is replaced; a failed write removes it again.
Result<bool> createExclusively(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            return false;
        }
        return writeError(path, "creating");
    }
    if (auto filled = fillAndClose(fd, path.string(), path, bytes); !filled) {
        return filled.error();
    }
    syncFolderOf(path);
    return true;
}

} // namespace

Status replaceFileAtomically(const fs::path& path, std::string_view bytes) {
    const auto target = finalTarget(path);
    if (!target) {
        return target.error();
    }
    const fs::path& file = target.value();
    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    const mode_t keptMode = existing.st_mode & 07777;
    const auto temporary = writeTemporaryBeside(file, bytes, exists ? &keptMode : nullptr);
    if (!temporary) {
        return temporary.error();
    }
    const std::string& name = temporary.value();
    if (::rename(name.c_str(), file.c_str()) != 0) {
        const Error error = writeError(path, "renaming");
        ::unlink(name.c_str());
        return error;
    }
    // Make the rename itself durable; failing here loses nothing already visible.
    syncFolderOf(file);
    return {};
}

Result<bool> createFileAtomically(const fs::path& path, std::string_view bytes) {
    const auto temporary = writeTemporaryBeside(path, bytes, nullptr);
    if (!temporary) {
        return temporary.error();
    }
    const std::string& name = temporary.value();
    // Neither a hard link nor a create-only rename replaces a file: of two writers racing, one
    // makes it and the other finds it there. File systems without links (FAT, exFAT, many
    // network mounts) refuse the first, some the second too.
    int outcome = linkFile(name.c_str(), path.c_str()) == 0 ? 0 : errno;
    if (outcome != 0 && outcome != EEXIST) {
        outcome = renameNoReplace(name.c_str(), path.c_str()) == 0 ? 0 : errno;
    }
    ::unlink(name.c_str()); // already gone after a rename
    if (outcome == EEXIST) {
        return false;
    }
    if (outcome != 0) {
        return createExclusively(path, bytes);
    }
    syncFolderOf(path);
    return true;
}

void setFileFaultsForTesting(const FileFaults& faultsToMeet) {
    faults = faultsToMeet;
}

} // namespace common

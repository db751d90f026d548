#include "common/regular_file.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace common {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

Error unreadable(const fs::path& path, const std::string& why) {
    return Error{ErrorKind::badContent, path.string() + " " + why};
}

} // namespace

Result<std::string> readRegularFile(const fs::path& path, std::uint64_t largest) {
    // Non-blocking, so a FIFO with no writer does not hold the open.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return unreadable(path, std::string("cannot be read: ") + std::strerror(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return unreadable(path, std::string("cannot be read: ") + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return unreadable(path, "is not a regular file");
    if (static_cast<std::uint64_t>(info.st_size) > largest)
        return unreadable(path, "is larger than " + std::to_string(largest) + " bytes");
    // The size may grow meanwhile: read at most one byte past the ceiling to tell.
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(path, std::string("cannot be read: ") + std::strerror(errno));
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > largest)
            return unreadable(path, "is larger than " + std::to_string(largest) + " bytes");
    }
}

} // namespace common

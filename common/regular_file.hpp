// Reading a file from outside: only a regular file (never a FIFO or a device, which could hang
// the reader or never end) and only up to a size ceiling.
#pragma once

#include "common/result.hpp"

#include <cstdint>
#include <filesystem>
#include <string>

namespace common {

// The bytes of `path`, which must be a regular file (after symbolic links) of at most `largest`
// bytes. Opening never waits: a FIFO is refused, not read. The error says why.
Result<std::string> readRegularFile(const std::filesystem::path& path, std::uint64_t largest);

} // namespace common

#pragma once

#include "common/result.hpp"

#include <filesystem>
#include <string_view>

namespace common {

// Replaces the file with the given bytes so that a reader sees either the old or the new file
// whole: a temporary file in the same folder is written, flushed to disk and renamed over it.
Status replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Makes the file whole with the given bytes unless a file of that name exists, which is left
// as it is. True when this call made the file.
Result<bool> createFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace common

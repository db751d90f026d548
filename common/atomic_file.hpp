#pragma once

#include "common/result.hpp"

#include <filesystem>
#include <string_view>

namespace common {

// Replaces the file with the given bytes so that a reader sees either the old or the new file
// whole: a temporary file in the same folder is written, flushed to disk and renamed over it.
// A symbolic link stays a link: the file it leads to is the one replaced. The file keeps its
// permissions; a new one gets those the umask allows.
Status replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Makes the file whole with the given bytes unless a file of that name exists, which is left
// as it is. True when this call made the file.
Result<bool> createFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Errors the calls above meet in place of the system's answer, so tests can play a full disk
// or a file system that refuses hard links. 0 is no fault.
struct FileFaults {
    int write = 0;           // every write of file bytes
    int link = 0;            // every hard link
    int renameNoReplace = 0; // every rename that must not replace a file
};
void setFileFaultsForTesting(const FileFaults& faults);

} // namespace common

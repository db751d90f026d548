// The small text files a run reads, carried inside a recording so it replays with no files to
// attach. In a script a carried file is its `file PATH SIZE HASH` line followed by `data` lines
// holding its bytes in base64, 76 characters a line:
//   file bin/Brimzel.ini 812 9c1f0b2a44d1e7f3
//   data R2FtZUxhbmd1YWdlOmVuDQpNdXNpYzp5ZXMNClNmeDp5ZXMN...
// An empty file is carried by its `file` line alone. A file over the caps is only named, as
// older recordings name every file. Only the tree's own names may be carried (options, saved
// progress, tables, levels), each one at most kMaxCarriedFileBytes and all of them at most
// kMaxCarriedBytes.
#pragma once

#include "common/file_layout.hpp"
#include "common/result.hpp"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxCarriedFileBytes = 256 * 1024;
inline constexpr std::size_t kMaxCarriedBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kCarriedLineChars = 76;

// bin/Brimzel.ini, save/save.txt, highscore/highscore_<digits and _>.fly,
// levels/level<N>.lev and levels/user/level<N>.lev.
bool carriableFileName(std::string_view path);

// The files that decide what a run does, as relative names: the options file, the saved
// progress, the tables and the levels there are, where the game reads them (the user's own in
// the system layout).
std::vector<std::string> recordedFileNames(const common::FileLayout& files);

// The file's bytes when it is a regular file of at most kMaxCarriedFileBytes.
std::optional<std::string> readCarriableFile(const std::filesystem::path& path);

// The `file` line of `bytes`, then with `carry` its `data` lines.
std::string fileLines(const std::string& path, std::string_view bytes, bool carry);

// Adds one `data` line's characters to `bytes`; false when they are not base64.
bool decodeDataLine(std::string_view line, std::string& bytes);

// Writes a carried file into `folder` (the tree or user folder a replay reads), whole or not
// at all. The name must be carriable. The error names the file.
common::Status layCarriedFile(const std::filesystem::path& folder, const std::string& path,
                              std::string_view bytes);

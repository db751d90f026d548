// Reading a file of an installation tree that a script names: only a regular file (never a
// FIFO or a device, which could hang the replay or never end), only up to a size ceiling, and
// only inside the tree (no way out through a symbolic link).
#pragma once

#include "common/regular_file.hpp"
#include "common/result.hpp"

#include <cstdint>
#include <filesystem>
#include <string>

// The most a replay reads of one file of the tree; the files a run reads (options, levels,
// tables, saved progress) are a few kilobytes.
inline constexpr std::uint64_t kLargestTreeFile = 4u << 20;

// `relative` inside `tree`: the path with its symbolic links resolved, when it lies inside
// the tree (itself resolved); an error otherwise or when it does not exist.
common::Result<std::filesystem::path> pathInsideTree(const std::filesystem::path& tree,
                                                     const std::filesystem::path& relative);

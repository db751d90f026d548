// The readers under test take a path: each input is written to one file of this process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace fuzz {

// A folder of its own per process, so parallel fuzzing jobs never share files.
const std::filesystem::path& scratchFolder();

// Writes the bytes to scratchFolder()/name and returns the path.
std::filesystem::path writeInputFile(const char* name, const std::uint8_t* data, std::size_t size);

// Stops the run with a message: the fuzzer keeps the input that broke a promised property.
[[noreturn]] void fail(const char* what);

} // namespace fuzz

#pragma once

#include "common/result.hpp"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// The value of a line cut at a fixed position: the text after its first keyLength characters
// (UTF-8 characters, so a Czech letter counts once as it does in the 8-bit file). Keys are
// never compared; a line shorter than its key has an empty value.
std::string textAfter(std::string_view line, std::size_t keyLength);

// The last character of a line, or "" for an empty line.
std::string lastCharacter(std::string_view line);

// Reads a number from the value of line lineIndex (0-based) and checks its range. Errors name
// the file, the line number (1-based) and what was expected, in words given by `what`.
Result<std::int16_t> readInt16Value(const std::filesystem::path& path,
                                    const std::vector<std::string>& lines, std::size_t lineIndex,
                                    std::size_t keyLength, std::string_view what,
                                    std::int16_t minimum, std::int16_t maximum);
Result<std::int32_t> readInt32Value(const std::filesystem::path& path,
                                    const std::vector<std::string>& lines, std::size_t lineIndex,
                                    std::size_t keyLength, std::string_view what,
                                    std::int32_t minimum, std::int32_t maximum);
Result<double> readDecimalValue(const std::filesystem::path& path,
                                const std::vector<std::string>& lines, std::size_t lineIndex,
                                std::size_t keyLength, std::string_view what, double minimum,
                                double maximum);

// The same checks for a value already cut out of line lineNumber (1-based).
Result<std::int16_t> checkInt16(const std::filesystem::path& path, std::size_t lineNumber,
                                std::string_view value, std::string_view what, std::int16_t minimum,
                                std::int16_t maximum);

} // namespace common

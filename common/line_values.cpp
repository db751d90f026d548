#include "common/line_values.hpp"

#include "common/numbers.hpp"
#include "common/text_lines.hpp"

#include <cmath>

namespace common {
namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string found(std::string_view value) {
    if (value.size() > 40) {
        return ", found \"" + std::string(value.substr(0, 40)) + "...\"";
    }
    return ", found \"" + std::string(value) + "\"";
}

// Whole ends are written exactly (a float would make 2147483647 of 2147483648).
std::string rangeEnd(double value) {
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return formatInteger(static_cast<std::int64_t>(value));
    }
    return formatDecimal(static_cast<float>(value));
}

std::string rangeText(double minimum, double maximum) {
    return " from " + rangeEnd(minimum) + " to " + rangeEnd(maximum);
}

template <typename T, typename Parse>
Result<T> checkNumber(const std::filesystem::path& path, std::size_t lineNumber,
                      std::string_view value, std::string_view what, T minimum, T maximum,
                      Parse parse) {
    auto parsed = parse(value);
    if (!parsed) {
        return lineError(path, lineNumber, std::string(what) + found(value));
    }
    if (parsed.value() < minimum || parsed.value() > maximum) {
        return lineError(path, lineNumber,
                         std::string(what) +
                             rangeText(static_cast<double>(minimum), static_cast<double>(maximum)) +
                             found(value));
    }
    return static_cast<T>(parsed.value());
}

} // namespace

std::string textAfter(std::string_view line, std::size_t keyLength) {
    std::size_t position = 0;
    for (std::size_t characters = 0; characters < keyLength && position < line.size();
         ++characters) {
        ++position;
        while (position < line.size() && isContinuationByte(line[position])) {
            ++position;
        }
    }
    return std::string(line.substr(position));
}

std::string lastCharacter(std::string_view line) {
    if (line.empty()) {
        return {};
    }
    std::size_t start = line.size() - 1;
    while (start > 0 && isContinuationByte(line[start])) {
        --start;
    }
    return std::string(line.substr(start));
}

Result<std::int16_t> checkInt16(const std::filesystem::path& path, std::size_t lineNumber,
                                std::string_view value, std::string_view what, std::int16_t minimum,
                                std::int16_t maximum) {
    // Range checked on the wide value so that "99999" says "from 0 to 16", not "16 bits".
    return checkNumber<std::int16_t>(path, lineNumber, value, what, minimum, maximum,
                                     [](std::string_view text) { return parseInt32(text); });
}

Result<std::int16_t> readInt16Value(const std::filesystem::path& path,
                                    const std::vector<std::string>& lines, std::size_t lineIndex,
                                    std::size_t keyLength, std::string_view what,
                                    std::int16_t minimum, std::int16_t maximum) {
    if (auto enough = requireLines(path, lines, lineIndex + 1); !enough) {
        return enough.error();
    }
    return checkInt16(path, lineIndex + 1, textAfter(lines[lineIndex], keyLength), what, minimum,
                      maximum);
}

Result<std::int32_t> readInt32Value(const std::filesystem::path& path,
                                    const std::vector<std::string>& lines, std::size_t lineIndex,
                                    std::size_t keyLength, std::string_view what,
                                    std::int32_t minimum, std::int32_t maximum) {
    if (auto enough = requireLines(path, lines, lineIndex + 1); !enough) {
        return enough.error();
    }
    return checkNumber<std::int32_t>(path, lineIndex + 1, textAfter(lines[lineIndex], keyLength),
                                     what, minimum, maximum,
                                     [](std::string_view text) { return parseInt32(text); });
}

Result<double> readDecimalValue(const std::filesystem::path& path,
                                const std::vector<std::string>& lines, std::size_t lineIndex,
                                std::size_t keyLength, std::string_view what, double minimum,
                                double maximum) {
    if (auto enough = requireLines(path, lines, lineIndex + 1); !enough) {
        return enough.error();
    }
    return checkNumber<double>(path, lineIndex + 1, textAfter(lines[lineIndex], keyLength), what,
                               minimum, maximum,
                               [](std::string_view text) { return parseDecimal(text); });
}

} // namespace common

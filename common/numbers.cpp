#include "common/numbers.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace common {
namespace {

// Longer numbers are junk, not data; it also keeps strtod's work bounded.
constexpr std::size_t kMaxNumberLength = 64;

std::string quoted(std::string_view text) {
    if (text.size() > 40) {
        return "\"" + std::string(text.substr(0, 40)) + "...\"";
    }
    return "\"" + std::string(text) + "\"";
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

template <typename T> Result<T> parseWhole(std::string_view text) {
    auto number = parseDecimal(text);
    if (!number) {
        return number.error();
    }
    const double rounded = std::nearbyint(number.value());
    if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<T>::max())) {
        return Error{ErrorKind::badContent,
                     "a whole number from " + formatInteger(std::numeric_limits<T>::min()) +
                         " to " + formatInteger(std::numeric_limits<T>::max()) + ", found " +
                         quoted(text)};
    }
    return static_cast<T>(rounded);
}

} // namespace

Result<double> parseDecimal(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    const std::string_view body = text.substr(begin, end - begin);
    const Error notANumber{ErrorKind::badContent, "a number, found " + quoted(text)};
    if (body.empty() || body.size() > kMaxNumberLength) {
        return notANumber;
    }
    std::string normalised;
    std::size_t i = 0;
    if (body[0] == '-' || body[0] == '+') {
        normalised.push_back(body[0]);
        i = 1;
    }
    std::size_t digits = 0;
    bool separatorSeen = false;
    for (; i < body.size(); ++i) {
        const char c = body[i];
        if (c >= '0' && c <= '9') {
            normalised.push_back(c);
            ++digits;
        } else if ((c == '.' || c == ',') && !separatorSeen) {
            separatorSeen = true;
            normalised.push_back('.');
        } else {
            return notANumber;
        }
    }
    if (digits == 0) {
        return notANumber;
    }
    // from_chars ignores the process locale (Qt programs switch it to the user's).
    const char* first = normalised.c_str();
    if (*first == '+') {
        ++first;
    }
    const char* last = normalised.c_str() + normalised.size();
    double value = 0.0;
    const auto [parsedEnd, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc() || parsedEnd != last || !std::isfinite(value)) {
        return notANumber;
    }
    return value == 0.0 ? 0.0 : value;
}

Result<std::int16_t> parseInt16(std::string_view text) {
    return parseWhole<std::int16_t>(text);
}

Result<std::int32_t> parseInt32(std::string_view text) {
    return parseWhole<std::int32_t>(text);
}

Result<std::int16_t> roundHalfEvenToInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return Error{ErrorKind::badContent, "a value within 16 bits"};
    }
    return static_cast<std::int16_t>(rounded);
}

std::string formatDecimal(float value) {
    if (!std::isfinite(value) || value == 0.0f) {
        return "0";
    }
    // Seven significant digits in scientific form, then moved into plain notation.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                       std::chars_format::scientific, 6);
    const std::string scientific(buffer, written.ptr);
    const bool negative = scientific[0] == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t ePosition = scientific.find('e');
    std::string digits;
    for (std::size_t i = mantissaStart; i < ePosition; ++i) {
        if (scientific[i] != '.') {
            digits.push_back(scientific[i]);
        }
    }
    const int exponent = std::atoi(scientific.c_str() + ePosition + 1);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out;
    const int pointAfter = exponent + 1; // digits before the decimal point
    if (pointAfter <= 0) {
        out = "0." + std::string(static_cast<std::size_t>(-pointAfter), '0') + digits;
    } else if (static_cast<std::size_t>(pointAfter) >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(pointAfter) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(pointAfter)) + "." +
              digits.substr(static_cast<std::size_t>(pointAfter));
    }
    return negative ? "-" + out : out;
}

std::string formatInteger(std::int64_t value) {
    return std::to_string(value);
}

} // namespace common

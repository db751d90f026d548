#pragma once

#include "common/result.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// Decimal text as a number: optional blanks around, optional sign, digits with an optional
// fraction after '.' or ','. Files from any locale read the same. No exponent, no hex.
// The error text says what was found; callers add file and line.
Result<double> parseDecimal(std::string_view text);

// Decimal text to a whole number, rounding halves to the even neighbour ("2.5" -> 2,
// "3.5" -> 4). A value outside the type's range is an error, never a wrap.
Result<std::int16_t> parseInt16(std::string_view text);
Result<std::int32_t> parseInt32(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour; fails outside 16 bits.
Result<std::int16_t> roundHalfEvenToInt16(double value);

// A 32-bit float as text: at most 7 significant digits, '.' as separator, no exponent,
// no trailing zeros and no fractional part when whole ("500", "431.36", "500.48").
std::string formatDecimal(float value);

// Whole numbers as plain decimal digits with a '-' only when negative.
std::string formatInteger(std::int64_t value);

} // namespace common

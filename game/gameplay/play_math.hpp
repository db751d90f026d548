// Small numeric helpers shared by the gameplay steps.
#pragma once

#include <cmath>
#include <cstdint>

namespace gameplay {

inline constexpr double kPi = 3.14159265358979;

inline double toRadians(double degrees) {
    return degrees * kPi / 180.0;
}
inline double toDegrees(double radians) {
    return radians * 180.0 / kPi;
}

// Nearest whole number, halves to the even neighbour (the default FP rounding mode).
inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}

// Periodic steps fire when tick - interval > last, in signed arithmetic so that the first
// seconds after start-up do not wrap around.
inline bool intervalPassed(std::uint32_t tick, std::int64_t interval, std::uint32_t last) {
    return static_cast<std::int64_t>(tick) - interval > static_cast<std::int64_t>(last);
}

// A point (u, v) in a sprite's own frame (v negative towards its front) turned by `degrees`
// about (x, y).
struct Turned {
    double x;
    double y;
};
inline Turned turnOffset(double x, double y, double u, double v, double degrees) {
    const double a = toRadians(degrees);
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {x + u * c - v * s, y + u * s + v * c};
}

// Adds to a 16-bit counter without wrapping.
inline std::int16_t saturatingAdd(std::int16_t value, std::int32_t amount) {
    const std::int32_t sum = static_cast<std::int32_t>(value) + amount;
    if (sum > INT16_MAX)
        return INT16_MAX;
    if (sum < INT16_MIN)
        return INT16_MIN;
    return static_cast<std::int16_t>(sum);
}

} // namespace gameplay

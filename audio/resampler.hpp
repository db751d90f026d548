// Converts 16-bit interleaved samples to another rate with cubic interpolation.
#pragma once

#include <cstdint>
#include <vector>

namespace audio {

// With `wrap` the end joins the start, so a loop stays seamless at the new rate.
std::vector<std::int16_t> resample(const std::vector<std::int16_t>& in, int channels, long fromRate,
                                   long toRate, bool wrap);

} // namespace audio

// The widest rows: eight pixels at a time with AVX2, on processors that have it (asked at run
// time; the engine is built for plain x86-64). Each draws the leading multiple of eight pixels of
// its row, exactly as the narrower rows would, and returns how many it drew.
#pragma once

#include <cstdint>

namespace engine::pixel::avx2 {

// Whether this build has the AVX2 rows, this processor runs them and they are not turned off.
bool available();
// Turns the AVX2 rows off or on again, so that tests and benchmarks can compare them with the
// narrower rows on the same processor. Only while nothing draws.
void setEnabled(bool on);

int blendRow(std::uint32_t* dst, const std::uint32_t* src, int count);
int blendTintedRow(std::uint32_t* dst, const std::uint32_t* src, int count, std::uint32_t tint);
int blendColorRow(std::uint32_t* dst, int count, std::uint32_t color);
// Steps `u` and `v` past the pixels drawn.
int turnedBilinearRow(std::uint32_t* dst, int count, std::int32_t& u, std::int32_t& v,
                      std::int32_t du, std::int32_t dv, const std::uint32_t* texels, int width,
                      int height, std::uint32_t tint);

} // namespace engine::pixel::avx2

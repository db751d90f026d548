// Whole rows for the software rasteriser: pictures and colours blended over an opaque canvas
// four pixels at a time where SSE2 is there. Each gives exactly the pixels of the per-pixel
// arithmetic in pixel_ops.hpp, rounding included.
#pragma once

#include <cstdint>

namespace engine::pixel {

// Where a canvas pixel samples a picture along one axis: two texels and the weight of the second
// (0..255).
struct Tap {
    int first = 0, second = 0;
    std::uint32_t weight = 0;
};

// `src` over `dst`, untinted.
void blendRow(std::uint32_t* dst, const std::uint32_t* src, int count);
// `src` tinted by `tint`, over `dst`.
void blendTintedRow(std::uint32_t* dst, const std::uint32_t* src, int count, std::uint32_t tint);
// One colour of alpha 1..254 over `dst`.
void blendColorRow(std::uint32_t* dst, int count, std::uint32_t color);

// A row of an upright scaled picture: texel `columns[i].first` of `texels` for pixel i, tinted
// unless `tint` is white.
void nearestRow(std::uint32_t* dst, int count, const std::uint32_t* texels, const Tap* columns,
                std::uint32_t tint);
// The same, bilinear between texel rows `upper` and `lower` with the weight `rowWeight` of the
// lower one.
void bilinearRow(std::uint32_t* dst, int count, const std::uint32_t* upper,
                 const std::uint32_t* lower, std::uint32_t rowWeight, const Tap* columns,
                 std::uint32_t tint);

// A row of a turned or scaled picture, bilinear: texel positions step in 16.16 fixed point from
// (u, v), already shifted to texel centres; the outer half texel repeats the edge.
void turnedBilinearRow(std::uint32_t* dst, int count, std::int32_t u, std::int32_t v,
                       std::int32_t du, std::int32_t dv, const std::uint32_t* texels, int width,
                       int height, std::uint32_t tint);

} // namespace engine::pixel

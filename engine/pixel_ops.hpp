// Arithmetic on 0xAARRGGBB pixels for the software rasteriser: interpolation, tinting and
// blending over an opaque canvas, with SSE2 where the processor has it.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace engine::pixel {

// Channel arithmetic works on two channels at once: red and blue (bits 16 and 0) in one word,
// alpha and green (bits 24 and 8) in another; each lane has 16 bits of room.
inline std::uint32_t lerp(std::uint32_t a, std::uint32_t b, std::uint32_t w) { // w in 0..256
    const std::uint32_t rb = (((a & 0x00FF00FFu) * (256 - w) + (b & 0x00FF00FFu) * w) >> 8);
    const std::uint32_t ag = ((a >> 8) & 0x00FF00FFu) * (256 - w) + ((b >> 8) & 0x00FF00FFu) * w;
    return (rb & 0x00FF00FFu) | (ag & 0xFF00FF00u);
}

// Source over an opaque canvas; the canvas stays opaque.
inline std::uint32_t blend(std::uint32_t dst, std::uint32_t src) {
    const std::uint32_t a = src >> 24;
    if (a == 0)
        return dst;
    if (a == 255)
        return src;
    return lerp(dst, src, a + (a >> 7)) | 0xFF000000u;
}

inline std::uint32_t modulate(std::uint32_t c, std::uint32_t m) {
    std::uint32_t out = 0;
    for (int s = 0; s < 32; s += 8) {
        const std::uint32_t mc = (m >> s) & 255;
        out |= ((((c >> s) & 255) * (mc + (mc >> 7))) >> 8) << s;
    }
    return out;
}

#if defined(__SSE2__)
// The same arithmetic with the four channels of a pixel in 16-bit lanes: no multiply of one
// channel can carry into another, and two pixels share one register.
inline __m128i widen2(std::uint32_t a, std::uint32_t b) {
    return _mm_unpacklo_epi8(
        _mm_unpacklo_epi32(_mm_cvtsi32_si128(int(a)), _mm_cvtsi32_si128(int(b))),
        _mm_setzero_si128());
}

// Weights for lerpHalves: 256 - w in lanes 0-3, w in lanes 4-7.
inline __m128i weightPair(std::uint32_t w) {
    const __m128i both = _mm_cvtsi32_si128(int((w << 16) | (256 - w)));
    return _mm_unpacklo_epi64(_mm_shufflelo_epi16(both, _MM_SHUFFLE(0, 0, 0, 0)),
                              _mm_shufflelo_epi16(both, _MM_SHUFFLE(1, 1, 1, 1)));
}

// Lanes 0-3 hold one pixel, lanes 4-7 another: returns (lo * (256 - w) + hi * w) >> 8 in 0-3.
inline __m128i lerpHalves(__m128i pair, __m128i weights) {
    const __m128i m = _mm_mullo_epi16(pair, weights);
    return _mm_srli_epi16(_mm_add_epi16(m, _mm_srli_si128(m, 8)), 8);
}

// The bilinear sample in lanes 0-3.
inline __m128i bilinearLanes(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                             std::uint32_t wu, std::uint32_t wv) {
    const __m128i wh = weightPair(wu);
    const __m128i top = lerpHalves(widen2(a, b), wh), bottom = lerpHalves(widen2(c, d), wh);
    return lerpHalves(_mm_unpacklo_epi64(top, bottom), weightPair(wv));
}

inline std::uint32_t bilinear(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                              std::uint32_t wu, std::uint32_t wv) {
    const __m128i v = bilinearLanes(a, b, c, d, wu, wv);
    return std::uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(v, v)));
}

inline std::uint32_t blendPixel(std::uint32_t dst, std::uint32_t src) {
    const std::uint32_t a = src >> 24;
    if (a == 0)
        return dst;
    if (a == 255)
        return src;
    const __m128i v = lerpHalves(widen2(dst, src), weightPair(a + (a >> 7)));
    return std::uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(v, v))) | 0xFF000000u;
}
// Bilinear sample of four texels, tinted, then blended over `dst`, all in registers.
inline std::uint32_t bilinearOver(std::uint32_t dst, std::uint32_t a, std::uint32_t b,
                                  std::uint32_t c, std::uint32_t d, std::uint32_t wu,
                                  std::uint32_t wv, const __m128i* tint) {
    const __m128i zero = _mm_setzero_si128();
    __m128i v = bilinearLanes(a, b, c, d, wu, wv);
    if (tint)
        v = _mm_srli_epi16(_mm_mullo_epi16(v, *tint), 8);
    // Alpha of the sample in every lane, as a weight 0..256.
    __m128i alpha = _mm_shufflelo_epi16(v, _MM_SHUFFLE(3, 3, 3, 3));
    alpha = _mm_add_epi16(alpha, _mm_srli_epi16(alpha, 7));
    const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(256), alpha);
    const __m128i under = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(dst)), zero);
    const __m128i out =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(v, alpha), _mm_mullo_epi16(under, keep)), 8);
    return std::uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(out, out))) | 0xFF000000u;
}

// A tint as 16-bit factors 0..256 per channel.
inline __m128i tintFactors(std::uint32_t m) {
    const __m128i c = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(m)), _mm_setzero_si128());
    return _mm_add_epi16(c, _mm_srli_epi16(c, 7));
}
#else
inline std::uint32_t bilinear(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                              std::uint32_t wu, std::uint32_t wv) {
    return lerp(lerp(a, b, wu), lerp(c, d, wu), wv);
}
inline std::uint32_t blendPixel(std::uint32_t dst, std::uint32_t src) {
    return blend(dst, src);
}
#endif

// A bilinear sample of texels a, b (upper row) and c, d (lower row), tinted when `Tinted`,
// over `dst`. Wholly transparent neighbourhoods (most of a sprite's box) cost nothing, wholly
// opaque ones need no blending.
template <bool Tinted>
inline std::uint32_t shade(std::uint32_t dst, std::uint32_t a, std::uint32_t b, std::uint32_t c,
                           std::uint32_t d, std::uint32_t wu, std::uint32_t wv,
                           std::uint32_t tint) {
    if (((a | b | c | d) >> 24) == 0)
        return dst;
#if defined(__SSE2__)
    if constexpr (!Tinted) {
        return (a & b & c & d) >= 0xFF000000u ? bilinear(a, b, c, d, wu, wv)
                                              : bilinearOver(dst, a, b, c, d, wu, wv, nullptr);
    } else {
        const __m128i factors = tintFactors(tint);
        return bilinearOver(dst, a, b, c, d, wu, wv, &factors);
    }
#else
    const std::uint32_t texel = bilinear(a, b, c, d, wu, wv);
    return blendPixel(dst, Tinted ? modulate(texel, tint) : texel);
#endif
}

} // namespace engine::pixel

#include "engine/pixel_rows.hpp"
#include "engine/pixel_ops.hpp"
#include "engine/pixel_rows_avx2.hpp"

#include <algorithm>
#include <cstddef>

// The helpers of the row loops are small but many: left to itself the compiler calls some of
// them, which costs more than their work.
#if defined(__GNUC__)
#define ROW_INLINE inline __attribute__((always_inline))
#else
#define ROW_INLINE inline
#endif

namespace engine::pixel {
namespace {

constexpr std::uint32_t kPlain = 0xFFFFFFFFu; // the tint that changes nothing

// The four texels a bilinear sample at texel position (u >> 16, v >> 16) reads.
struct Quad {
    std::uint32_t a, b, c, d;
};

// Whether all four texels of the sample at (u, v) lie inside the picture.
ROW_INLINE bool inside(std::int32_t u, std::int32_t v, int tw, int th) {
    return unsigned(u >> 16) < unsigned(tw - 1) && unsigned(v >> 16) < unsigned(th - 1);
}

// The upper left texel of the sample at (u, v), inside the picture.
ROW_INLINE const std::uint32_t* texelAt(const std::uint32_t* texels, int tw, std::int32_t u,
                                        std::int32_t v) {
    return texels + std::size_t(v >> 16) * std::size_t(tw) + unsigned(u >> 16);
}

ROW_INLINE Quad fetchQuad(const std::uint32_t* texels, int tw, int th, std::int32_t u,
                          std::int32_t v) {
    const std::size_t stride = std::size_t(tw);
    const int iu = u >> 16, iv = v >> 16;
    if (unsigned(iu) < unsigned(tw - 1) && unsigned(iv) < unsigned(th - 1)) {
        const std::uint32_t* r0 = texels + std::size_t(iv) * stride + unsigned(iu);
        return {r0[0], r0[1], r0[stride], r0[stride + 1]};
    }
    // The outer half texel repeats the edge.
    const int u0 = std::clamp(iu, 0, tw - 1), u1 = std::clamp(iu + 1, 0, tw - 1);
    const int v0 = std::clamp(iv, 0, th - 1), v1 = std::clamp(iv + 1, 0, th - 1);
    return {texels[std::size_t(v0) * stride + u0], texels[std::size_t(v0) * stride + u1],
            texels[std::size_t(v1) * stride + u0], texels[std::size_t(v1) * stride + u1]};
}

#if defined(__SSE2__)
// Four pixels at once: as 0xAARRGGBB words in one register, or widened to 16-bit channel lanes
// in two (pixels 0 and 1 in `lo`, 2 and 3 in `hi`), where no product carries into its neighbour.

ROW_INLINE __m128i alphaMask() {
    return _mm_set1_epi32(int(0xFF000000u));
}

// True when `mask` (0 or ~0 per pixel) is set for all four pixels.
ROW_INLINE bool all(__m128i mask) {
    return _mm_movemask_epi8(mask) == 0xFFFF;
}

// Per pixel: alpha zero.
ROW_INLINE __m128i clearPixels(__m128i px) {
    return _mm_cmpeq_epi32(_mm_and_si128(px, alphaMask()), _mm_setzero_si128());
}

// Per pixel: alpha 255.
ROW_INLINE __m128i opaquePixels(__m128i px) {
    return _mm_cmpeq_epi32(_mm_and_si128(px, alphaMask()), alphaMask());
}

// (over * w + under * (256 - w)) >> 8 in each lane; w in 0..256.
ROW_INLINE __m128i mix(__m128i under, __m128i over, __m128i w) {
    const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(256), w);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(over, w), _mm_mullo_epi16(under, keep)), 8);
}

// Each pixel's alpha in all four of its lanes, as a weight 0..256.
ROW_INLINE __m128i alphaWeights(__m128i lanes) {
    const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(lanes, _MM_SHUFFLE(3, 3, 3, 3)),
                                          _MM_SHUFFLE(3, 3, 3, 3));
    return _mm_add_epi16(a, _mm_srli_epi16(a, 7));
}

// Four weights 0..256 in 32-bit lanes, each spread over the four lanes of its pixel.
ROW_INLINE void spread(__m128i w, __m128i& lo, __m128i& hi) {
    const __m128i w16 = _mm_packs_epi32(w, w);
    const __m128i pairs = _mm_unpacklo_epi16(w16, w16);
    lo = _mm_unpacklo_epi32(pairs, pairs);
    hi = _mm_unpackhi_epi32(pairs, pairs);
}

// Samples `lo`, `hi` blended over the canvas pixels `under` by their own alpha; the canvas stays
// opaque.
ROW_INLINE __m128i over(__m128i under, __m128i lo, __m128i hi) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i outLo = mix(_mm_unpacklo_epi8(under, zero), lo, alphaWeights(lo));
    const __m128i outHi = mix(_mm_unpackhi_epi8(under, zero), hi, alphaWeights(hi));
    return _mm_or_si128(_mm_packus_epi16(outLo, outHi), alphaMask());
}

// A tint as factors 0..256 for the lanes of two pixels.
ROW_INLINE __m128i tintLanes(std::uint32_t tint) {
    const __m128i one = tintFactors(tint);
    return _mm_unpacklo_epi64(one, one);
}

// `keep` ? a : b, per pixel.
ROW_INLINE __m128i select(__m128i keep, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(keep, a), _mm_andnot_si128(keep, b));
}

// Four texels, tinted unless `factors` is null, over four canvas pixels; a texel of alpha 0
// leaves its pixel as it was.
ROW_INLINE void blendFour(std::uint32_t* dst, __m128i src, const __m128i* factors) {
    auto* at = reinterpret_cast<__m128i*>(dst);
    if (all(clearPixels(src)))
        return;
    const __m128i zero = _mm_setzero_si128();
    __m128i lo = _mm_unpacklo_epi8(src, zero), hi = _mm_unpackhi_epi8(src, zero);
    if (factors) {
        lo = _mm_srli_epi16(_mm_mullo_epi16(lo, *factors), 8);
        hi = _mm_srli_epi16(_mm_mullo_epi16(hi, *factors), 8);
        src = _mm_packus_epi16(lo, hi);
    } else if (all(opaquePixels(src))) {
        _mm_storeu_si128(at, src);
        return;
    }
    const __m128i under = _mm_loadu_si128(at);
    _mm_storeu_si128(at, select(clearPixels(src), under, over(under, lo, hi)));
}

// Bilinear samples of four pixels from their texels a, b (upper row) and c, d (lower row), with
// horizontal weights `wu` (32-bit lanes) and vertical ones already spread, tinted unless
// `factors` is null, over four canvas pixels. Where all four texels of a pixel are clear the
// pixel stays as it was.
ROW_INLINE void shadeFour(std::uint32_t* dst, __m128i a, __m128i b, __m128i c, __m128i d,
                          __m128i wu, __m128i wvLo, __m128i wvHi, const __m128i* factors) {
    auto* at = reinterpret_cast<__m128i*>(dst);
    const __m128i clear = clearPixels(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)));
    if (all(clear))
        return;
    const __m128i zero = _mm_setzero_si128();
    __m128i wuLo, wuHi;
    spread(wu, wuLo, wuHi);
    __m128i lo = mix(mix(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), wuLo),
                     mix(_mm_unpacklo_epi8(c, zero), _mm_unpacklo_epi8(d, zero), wuLo), wvLo);
    __m128i hi = mix(mix(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), wuHi),
                     mix(_mm_unpackhi_epi8(c, zero), _mm_unpackhi_epi8(d, zero), wuHi), wvHi);
    if (factors) {
        lo = _mm_srli_epi16(_mm_mullo_epi16(lo, *factors), 8);
        hi = _mm_srli_epi16(_mm_mullo_epi16(hi, *factors), 8);
    } else if (all(opaquePixels(_mm_and_si128(_mm_and_si128(a, b), _mm_and_si128(c, d))))) {
        _mm_storeu_si128(at, _mm_packus_epi16(lo, hi));
        return;
    }
    const __m128i under = _mm_loadu_si128(at);
    _mm_storeu_si128(at, select(clear, under, over(under, lo, hi)));
}

// Two neighbouring texels at `first` and two at `second`, in one register.
ROW_INLINE __m128 pairs(const std::uint32_t* first, const std::uint32_t* second) {
    const __m128 low = _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(first)));
    return _mm_loadh_pi(low, reinterpret_cast<const __m64*>(second));
}

// Lanes 0 and 2 of `a`, then of `b`; and lanes 1 and 3.
ROW_INLINE __m128i evenLanes(__m128 a, __m128 b) {
    return _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)));
}
ROW_INLINE __m128i oddLanes(__m128 a, __m128 b) {
    return _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
}

ROW_INLINE __m128i fourTexels(const std::uint32_t* texels, const Tap* col, int Tap::*which) {
    return _mm_set_epi32(int(texels[col[3].*which]), int(texels[col[2].*which]),
                         int(texels[col[1].*which]), int(texels[col[0].*which]));
}
#endif

} // namespace

namespace {
#if defined(BRIMZEL_AVX2_ROWS)
bool processorHasAvx2() {
    __builtin_cpu_init(); // may run before the run-time library's own set-up
    return __builtin_cpu_supports("avx2") != 0;
}
bool avx2Rows = processorHasAvx2();
#else
bool avx2Rows = false;
#endif
} // namespace

bool avx2::available() {
    return avx2Rows;
}

void avx2::setEnabled(bool on) {
#if defined(BRIMZEL_AVX2_ROWS)
    avx2Rows = on && processorHasAvx2();
#else
    (void)on;
#endif
}

void blendRow(std::uint32_t* dst, const std::uint32_t* src, int count) {
    int x = avx2::available() ? avx2::blendRow(dst, src, count) : 0;
#if defined(__SSE2__)
    for (; x + 4 <= count; x += 4)
        blendFour(dst + x, _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x)), nullptr);
#endif
    for (; x < count; ++x)
        dst[x] = blend(dst[x], src[x]);
}

void blendTintedRow(std::uint32_t* dst, const std::uint32_t* src, int count, std::uint32_t tint) {
    int x = avx2::available() ? avx2::blendTintedRow(dst, src, count, tint) : 0;
#if defined(__SSE2__)
    const __m128i factors = tintLanes(tint);
    for (; x + 4 <= count; x += 4)
        blendFour(dst + x, _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x)), &factors);
#endif
    for (; x < count; ++x)
        dst[x] = blend(dst[x], modulate(src[x], tint));
}

void blendColorRow(std::uint32_t* row, int count, std::uint32_t c) {
    const std::uint32_t a = c >> 24, w = a + (a >> 7), inv = 256 - w;
    int x = avx2::available() ? avx2::blendColorRow(row, count, c) : 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i src =
        _mm_mullo_epi16(_mm_unpacklo_epi8(_mm_set1_epi32(int(c)), zero), _mm_set1_epi16(short(w)));
    const __m128i keep = _mm_set1_epi16(short(inv)), opaque = alphaMask();
    for (; x + 4 <= count; x += 4) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        const __m128i lo = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), keep), src), 8);
        const __m128i hi = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), keep), src), 8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x),
                         _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
    }
#endif
    const std::uint32_t rb = (c & 0x00FF00FFu) * w, ag = ((c >> 8) & 0x00FF00FFu) * w;
    for (; x < count; ++x) {
        const std::uint32_t d = row[x];
        row[x] = ((((d & 0x00FF00FFu) * inv + rb) >> 8) & 0x00FF00FFu) |
                 ((((d >> 8) & 0x00FF00FFu) * inv + ag) & 0xFF00FF00u) | 0xFF000000u;
    }
}

void nearestRow(std::uint32_t* dst, int count, const std::uint32_t* texels, const Tap* columns,
                std::uint32_t tint) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i factors = tintLanes(tint);
    const __m128i* tinted = tint == kPlain ? nullptr : &factors;
    for (; i + 4 <= count; i += 4)
        blendFour(dst + i, fourTexels(texels, columns + i, &Tap::first), tinted);
#endif
    for (; i < count; ++i) {
        const std::uint32_t texel = texels[columns[i].first];
        dst[i] = blendPixel(dst[i], tint == kPlain ? texel : modulate(texel, tint));
    }
}

void bilinearRow(std::uint32_t* dst, int count, const std::uint32_t* upper,
                 const std::uint32_t* lower, std::uint32_t rowWeight, const Tap* columns,
                 std::uint32_t tint) {
    int i = 0;
    const bool tinted = tint != kPlain;
#if defined(__SSE2__)
    const __m128i factors = tintLanes(tint);
    __m128i wvLo, wvHi;
    spread(_mm_set1_epi32(int(rowWeight)), wvLo, wvHi);
    for (; i + 4 <= count; i += 4) {
        const Tap* col = columns + i;
        const __m128i wu = _mm_set_epi32(int(col[3].weight), int(col[2].weight), int(col[1].weight),
                                         int(col[0].weight));
        shadeFour(dst + i, fourTexels(upper, col, &Tap::first),
                  fourTexels(upper, col, &Tap::second), fourTexels(lower, col, &Tap::first),
                  fourTexels(lower, col, &Tap::second), wu, wvLo, wvHi,
                  tinted ? &factors : nullptr);
    }
#endif
    for (; i < count; ++i) {
        const Tap& c = columns[i];
        dst[i] = tinted ? shade<true>(dst[i], upper[c.first], upper[c.second], lower[c.first],
                                      lower[c.second], c.weight, rowWeight, tint)
                        : shade<false>(dst[i], upper[c.first], upper[c.second], lower[c.first],
                                       lower[c.second], c.weight, rowWeight, tint);
    }
}

void turnedBilinearRow(std::uint32_t* dst, int count, std::int32_t u, std::int32_t v,
                       std::int32_t du, std::int32_t dv, const std::uint32_t* texels, int tw,
                       int th, std::uint32_t tint) {
    int i = avx2::available()
                ? avx2::turnedBilinearRow(dst, count, u, v, du, dv, texels, tw, th, tint)
                : 0;
    const bool tinted = tint != kPlain;
#if defined(__SSE2__)
    const __m128i factors = tintLanes(tint);
    const __m128i byte = _mm_set1_epi32(255);
    for (; i + 4 <= count; i += 4) {
        const std::int32_t u1 = u + du, u2 = u1 + du, u3 = u2 + du;
        const std::int32_t v1 = v + dv, v2 = v1 + dv, v3 = v2 + dv;
        const __m128i us = _mm_set_epi32(u3, u2, u1, u), vs = _mm_set_epi32(v3, v2, v1, v);
        __m128i wvLo, wvHi;
        spread(_mm_and_si128(_mm_srli_epi32(vs, 8), byte), wvLo, wvHi);
        const __m128i wu = _mm_and_si128(_mm_srli_epi32(us, 8), byte);
        // Positions step along a line: when the first and last of four are inside the picture
        // (not on its outer half texel), so are the two between, and each pixel's texels come
        // as two pairs of neighbours.
        if (inside(u, v, tw, th) && inside(u3, v3, tw, th)) {
            const std::uint32_t* p0 = texelAt(texels, tw, u, v);
            const std::uint32_t* p1 = texelAt(texels, tw, u1, v1);
            const std::uint32_t* p2 = texelAt(texels, tw, u2, v2);
            const std::uint32_t* p3 = texelAt(texels, tw, u3, v3);
            const __m128 upper01 = pairs(p0, p1), upper23 = pairs(p2, p3);
            const __m128 lower01 = pairs(p0 + tw, p1 + tw), lower23 = pairs(p2 + tw, p3 + tw);
            shadeFour(dst + i, evenLanes(upper01, upper23), oddLanes(upper01, upper23),
                      evenLanes(lower01, lower23), oddLanes(lower01, lower23), wu, wvLo, wvHi,
                      tinted ? &factors : nullptr);
        } else {
            const Quad q0 = fetchQuad(texels, tw, th, u, v), q1 = fetchQuad(texels, tw, th, u1, v1);
            const Quad q2 = fetchQuad(texels, tw, th, u2, v2),
                       q3 = fetchQuad(texels, tw, th, u3, v3);
            shadeFour(dst + i, _mm_set_epi32(int(q3.a), int(q2.a), int(q1.a), int(q0.a)),
                      _mm_set_epi32(int(q3.b), int(q2.b), int(q1.b), int(q0.b)),
                      _mm_set_epi32(int(q3.c), int(q2.c), int(q1.c), int(q0.c)),
                      _mm_set_epi32(int(q3.d), int(q2.d), int(q1.d), int(q0.d)), wu, wvLo, wvHi,
                      tinted ? &factors : nullptr);
        }
        u = u3 + du;
        v = v3 + dv;
    }
#endif
    for (; i < count; ++i, u += du, v += dv) {
        const Quad q = fetchQuad(texels, tw, th, u, v);
        const auto wu = std::uint32_t(u >> 8) & 255, wv = std::uint32_t(v >> 8) & 255;
        dst[i] = tinted ? shade<true>(dst[i], q.a, q.b, q.c, q.d, wu, wv, tint)
                        : shade<false>(dst[i], q.a, q.b, q.c, q.d, wu, wv, tint);
    }
}

} // namespace engine::pixel

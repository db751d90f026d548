// Built with AVX2 enabled where the compiler can (see engine/CMakeLists.txt), so nothing here may
// run before the processor was asked, and nothing here is shared with other files: no inline
// functions of other headers, only the intrinsics and helpers private to this file.
#include "engine/pixel_rows_avx2.hpp"

#include <cstddef>

#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace engine::pixel::avx2 {

#if defined(__AVX2__)
namespace {

// Left to itself the compiler calls some of these helpers, which costs more than their work.
#define WIDE inline __attribute__((always_inline))

// Eight pixels: as 0xAARRGGBB words in one register, or widened to 16-bit channel lanes in two.
// AVX2 widens and packs within each 128-bit half: `lo` holds pixels 0, 1, 4, 5 and `hi` 2, 3, 6, 7,
// and packing them again gives 0..7 in order.

WIDE __m256i alphaMask() {
    return _mm256_set1_epi32(int(0xFF000000u));
}
WIDE bool all(__m256i mask) {
    return _mm256_movemask_epi8(mask) == -1;
}
WIDE __m256i clearPixels(__m256i px) {
    return _mm256_cmpeq_epi32(_mm256_and_si256(px, alphaMask()), _mm256_setzero_si256());
}
WIDE __m256i opaquePixels(__m256i px) {
    return _mm256_cmpeq_epi32(_mm256_and_si256(px, alphaMask()), alphaMask());
}

// (over * w + under * (256 - w)) >> 8 in each lane; w in 0..256.
WIDE __m256i mix(__m256i under, __m256i over, __m256i w) {
    const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(256), w);
    return _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(over, w), _mm256_mullo_epi16(under, keep)), 8);
}

// Each pixel's alpha in all four of its lanes, as a weight 0..256.
WIDE __m256i alphaWeights(__m256i lanes) {
    const __m256i a = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(lanes, _MM_SHUFFLE(3, 3, 3, 3)),
                                             _MM_SHUFFLE(3, 3, 3, 3));
    return _mm256_add_epi16(a, _mm256_srli_epi16(a, 7));
}

// Eight weights in 32-bit lanes, each spread over the lanes of its pixel in `lo` and `hi`.
WIDE void spread(__m256i w, __m256i& lo, __m256i& hi) {
    const __m256i w16 = _mm256_packs_epi32(w, w);
    const __m256i pairs = _mm256_unpacklo_epi16(w16, w16);
    lo = _mm256_unpacklo_epi32(pairs, pairs);
    hi = _mm256_unpackhi_epi32(pairs, pairs);
}

WIDE __m256i over(__m256i under, __m256i lo, __m256i hi) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i outLo = mix(_mm256_unpacklo_epi8(under, zero), lo, alphaWeights(lo));
    const __m256i outHi = mix(_mm256_unpackhi_epi8(under, zero), hi, alphaWeights(hi));
    return _mm256_or_si256(_mm256_packus_epi16(outLo, outHi), alphaMask());
}

WIDE __m256i select(__m256i keep, __m256i a, __m256i b) {
    return _mm256_blendv_epi8(b, a, keep);
}

WIDE __m256i tintLanes(std::uint32_t tint) {
    const __m256i c = _mm256_unpacklo_epi8(_mm256_set1_epi32(int(tint)), _mm256_setzero_si256());
    return _mm256_add_epi16(c, _mm256_srli_epi16(c, 7));
}

WIDE void blendEight(std::uint32_t* dst, __m256i src, const __m256i* factors) {
    auto* at = reinterpret_cast<__m256i*>(dst);
    if (all(clearPixels(src)))
        return;
    const __m256i zero = _mm256_setzero_si256();
    __m256i lo = _mm256_unpacklo_epi8(src, zero), hi = _mm256_unpackhi_epi8(src, zero);
    if (factors) {
        lo = _mm256_srli_epi16(_mm256_mullo_epi16(lo, *factors), 8);
        hi = _mm256_srli_epi16(_mm256_mullo_epi16(hi, *factors), 8);
        src = _mm256_packus_epi16(lo, hi);
    } else if (all(opaquePixels(src))) {
        _mm256_storeu_si256(at, src);
        return;
    }
    const __m256i under = _mm256_loadu_si256(at);
    _mm256_storeu_si256(at, select(clearPixels(src), under, over(under, lo, hi)));
}

WIDE void shadeEight(std::uint32_t* dst, __m256i a, __m256i b, __m256i c, __m256i d, __m256i wu,
                     __m256i wv, const __m256i* factors) {
    auto* at = reinterpret_cast<__m256i*>(dst);
    const __m256i clear =
        clearPixels(_mm256_or_si256(_mm256_or_si256(a, b), _mm256_or_si256(c, d)));
    if (all(clear))
        return;
    const __m256i zero = _mm256_setzero_si256();
    __m256i wuLo, wuHi, wvLo, wvHi;
    spread(wu, wuLo, wuHi);
    spread(wv, wvLo, wvHi);
    __m256i lo = mix(mix(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero), wuLo),
                     mix(_mm256_unpacklo_epi8(c, zero), _mm256_unpacklo_epi8(d, zero), wuLo), wvLo);
    __m256i hi = mix(mix(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero), wuHi),
                     mix(_mm256_unpackhi_epi8(c, zero), _mm256_unpackhi_epi8(d, zero), wuHi), wvHi);
    if (factors) {
        lo = _mm256_srli_epi16(_mm256_mullo_epi16(lo, *factors), 8);
        hi = _mm256_srli_epi16(_mm256_mullo_epi16(hi, *factors), 8);
    } else if (all(opaquePixels(
                   _mm256_and_si256(_mm256_and_si256(a, b), _mm256_and_si256(c, d))))) {
        _mm256_storeu_si256(at, _mm256_packus_epi16(lo, hi));
        return;
    }
    const __m256i under = _mm256_loadu_si256(at);
    _mm256_storeu_si256(at, select(clear, under, over(under, lo, hi)));
}

WIDE bool inside(std::int32_t u, std::int32_t v, int tw, int th) {
    return unsigned(u >> 16) < unsigned(tw - 1) && unsigned(v >> 16) < unsigned(th - 1);
}

WIDE int clampTo(int i, int size) {
    return i < 0 ? 0 : i >= size ? size - 1 : i;
}

// Texel pairs (two neighbours each) at four places: the first two in the low half, the last
// two in the high half.
WIDE __m256 pairs(const std::uint32_t* p0, const std::uint32_t* p1, const std::uint32_t* p2,
                  const std::uint32_t* p3) {
    auto two = [](const std::uint32_t* first, const std::uint32_t* second) {
        const __m128 low =
            _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(first)));
        return _mm_loadh_pi(low, reinterpret_cast<const __m64*>(second));
    };
    return _mm256_insertf128_ps(_mm256_castps128_ps256(two(p0, p1)), two(p2, p3), 1);
}

WIDE __m256i evenLanes(__m256 a, __m256 b) {
    return _mm256_castps_si256(_mm256_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)));
}
WIDE __m256i oddLanes(__m256 a, __m256 b) {
    return _mm256_castps_si256(_mm256_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
}

} // namespace

int blendRow(std::uint32_t* dst, const std::uint32_t* src, int count) {
    int x = 0;
    for (; x + 8 <= count; x += 8)
        blendEight(dst + x, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + x)), nullptr);
    return x;
}

int blendTintedRow(std::uint32_t* dst, const std::uint32_t* src, int count, std::uint32_t tint) {
    const __m256i factors = tintLanes(tint);
    int x = 0;
    for (; x + 8 <= count; x += 8)
        blendEight(dst + x, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + x)),
                   &factors);
    return x;
}

int blendColorRow(std::uint32_t* row, int count, std::uint32_t c) {
    const std::uint32_t a = c >> 24, w = a + (a >> 7);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i src = _mm256_mullo_epi16(_mm256_unpacklo_epi8(_mm256_set1_epi32(int(c)), zero),
                                           _mm256_set1_epi16(short(w)));
    const __m256i keep = _mm256_set1_epi16(short(256 - w));
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        auto* at = reinterpret_cast<__m256i*>(row + x);
        const __m256i d = _mm256_loadu_si256(at);
        const __m256i lo = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), keep), src), 8);
        const __m256i hi = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), keep), src), 8);
        _mm256_storeu_si256(at, _mm256_or_si256(_mm256_packus_epi16(lo, hi), alphaMask()));
    }
    return x;
}

int turnedBilinearRow(std::uint32_t* dst, int count, std::int32_t& u, std::int32_t& v,
                      std::int32_t du, std::int32_t dv, const std::uint32_t* texels, int tw, int th,
                      std::uint32_t tint) {
    const __m256i factors = tintLanes(tint);
    const __m256i* tinted = tint == 0xFFFFFFFFu ? nullptr : &factors;
    const __m256i byte = _mm256_set1_epi32(255);
    // Positions step by whole additions, wrapping as the narrower rows' do.
    std::int32_t us[8], vs[8];
    const std::size_t stride = std::size_t(tw);
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        for (int k = 0; k < 8; ++k) {
            us[k] = std::int32_t(std::uint32_t(u) + std::uint32_t(k) * std::uint32_t(du));
            vs[k] = std::int32_t(std::uint32_t(v) + std::uint32_t(k) * std::uint32_t(dv));
        }
        const __m256i uv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(us));
        const __m256i vv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(vs));
        const __m256i wu = _mm256_and_si256(_mm256_srli_epi32(uv, 8), byte);
        const __m256i wv = _mm256_and_si256(_mm256_srli_epi32(vv, 8), byte);
        __m256i a, b, c, d;
        // The first and last of eight inside the picture: so are all between.
        if (inside(us[0], vs[0], tw, th) && inside(us[7], vs[7], tw, th)) {
            const std::uint32_t* p[8];
            for (int k = 0; k < 8; ++k)
                p[k] = texels + std::size_t(vs[k] >> 16) * stride + unsigned(us[k] >> 16);
            const __m256 upperLo = pairs(p[0], p[1], p[4], p[5]);
            const __m256 upperHi = pairs(p[2], p[3], p[6], p[7]);
            const __m256 lowerLo = pairs(p[0] + tw, p[1] + tw, p[4] + tw, p[5] + tw);
            const __m256 lowerHi = pairs(p[2] + tw, p[3] + tw, p[6] + tw, p[7] + tw);
            a = evenLanes(upperLo, upperHi);
            b = oddLanes(upperLo, upperHi);
            c = evenLanes(lowerLo, lowerHi);
            d = oddLanes(lowerLo, lowerHi);
        } else { // the outer half texel repeats the edge
            alignas(32) std::uint32_t qa[8], qb[8], qc[8], qd[8];
            for (int k = 0; k < 8; ++k) {
                const int iu = us[k] >> 16, iv = vs[k] >> 16;
                const int u0 = clampTo(iu, tw), u1 = clampTo(iu + 1, tw);
                const std::uint32_t* r0 = texels + std::size_t(clampTo(iv, th)) * stride;
                const std::uint32_t* r1 = texels + std::size_t(clampTo(iv + 1, th)) * stride;
                qa[k] = r0[u0];
                qb[k] = r0[u1];
                qc[k] = r1[u0];
                qd[k] = r1[u1];
            }
            a = _mm256_load_si256(reinterpret_cast<const __m256i*>(qa));
            b = _mm256_load_si256(reinterpret_cast<const __m256i*>(qb));
            c = _mm256_load_si256(reinterpret_cast<const __m256i*>(qc));
            d = _mm256_load_si256(reinterpret_cast<const __m256i*>(qd));
        }
        shadeEight(dst + i, a, b, c, d, wu, wv, tinted);
        u = std::int32_t(std::uint32_t(u) + 8u * std::uint32_t(du));
        v = std::int32_t(std::uint32_t(v) + 8u * std::uint32_t(dv));
    }
    return i;
}

#else // no AVX2 in this build: the narrower rows draw everything

int blendRow(std::uint32_t*, const std::uint32_t*, int) {
    return 0;
}
int blendTintedRow(std::uint32_t*, const std::uint32_t*, int, std::uint32_t) {
    return 0;
}
int blendColorRow(std::uint32_t*, int, std::uint32_t) {
    return 0;
}
int turnedBilinearRow(std::uint32_t*, int, std::int32_t&, std::int32_t&, std::int32_t, std::int32_t,
                      const std::uint32_t*, int, int, std::uint32_t) {
    return 0;
}

#endif

} // namespace engine::pixel::avx2

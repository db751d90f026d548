#include "engine/painter.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace engine {
namespace {

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

// Lanes 0-3 hold one pixel, lanes 4-7 another: returns (lo * (256 - w) + hi * w) >> 8 in 0-3.
inline __m128i lerpHalves(__m128i pair, std::uint32_t w) {
    const __m128i weights =
        _mm_unpacklo_epi64(_mm_set1_epi16(short(256 - w)), _mm_set1_epi16(short(w)));
    const __m128i m = _mm_mullo_epi16(pair, weights);
    return _mm_srli_epi16(_mm_add_epi16(m, _mm_srli_si128(m, 8)), 8);
}

inline std::uint32_t bilinear(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                              std::uint32_t wu, std::uint32_t wv) {
    const __m128i top = lerpHalves(widen2(a, b), wu), bottom = lerpHalves(widen2(c, d), wu);
    const __m128i v = lerpHalves(_mm_unpacklo_epi64(top, bottom), wv);
    return std::uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(v, v)));
}

inline std::uint32_t blendPixel(std::uint32_t dst, std::uint32_t src) {
    const std::uint32_t a = src >> 24;
    if (a == 0)
        return dst;
    if (a == 255)
        return src;
    const __m128i v = lerpHalves(widen2(dst, src), a + (a >> 7));
    return std::uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(v, v))) | 0xFF000000u;
}
// Bilinear sample of four texels, tinted, then blended over `dst`, all in registers.
inline std::uint32_t bilinearOver(std::uint32_t dst, std::uint32_t a, std::uint32_t b,
                                  std::uint32_t c, std::uint32_t d, std::uint32_t wu,
                                  std::uint32_t wv, const __m128i* tint) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i wh =
        _mm_unpacklo_epi64(_mm_set1_epi16(short(256 - wu)), _mm_set1_epi16(short(wu)));
    __m128i top = _mm_mullo_epi16(widen2(a, b), wh);
    __m128i bottom = _mm_mullo_epi16(widen2(c, d), wh);
    top = _mm_srli_epi16(_mm_add_epi16(top, _mm_srli_si128(top, 8)), 8);
    bottom = _mm_srli_epi16(_mm_add_epi16(bottom, _mm_srli_si128(bottom, 8)), 8);
    const __m128i wvv =
        _mm_unpacklo_epi64(_mm_set1_epi16(short(256 - wv)), _mm_set1_epi16(short(wv)));
    __m128i v = _mm_mullo_epi16(_mm_unpacklo_epi64(top, bottom), wvv);
    v = _mm_srli_epi16(_mm_add_epi16(v, _mm_srli_si128(v, 8)), 8);
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

// A run of pixels covered by one colour of alpha 1..254.
void blendRun(std::uint32_t* row, int count, std::uint32_t c) {
    const std::uint32_t a = c >> 24, w = a + (a >> 7), inv = 256 - w;
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i src =
        _mm_mullo_epi16(_mm_unpacklo_epi8(_mm_set1_epi32(int(c)), zero), _mm_set1_epi16(short(w)));
    const __m128i keep = _mm_set1_epi16(short(inv)), opaque = _mm_set1_epi32(int(0xFF000000u));
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

enum class Sampling { None, Nearest, Bilinear };
enum class Tint { None, Constant, Gradient };

// A parallelogram on the canvas: corner p0 (the picture's top-left) and the mapping from
// canvas positions to picture coordinates s (along the top edge) and t (down the left edge).
struct Parallelogram {
    float p0x = 0, p0y = 0;
    float dsdx = 0, dsdy = 0, dtdx = 0, dtdy = 0;
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool valid = false;
};

Parallelogram makeParallelogram(float x0, float y0, float x1, float y1, float x3, float y3) {
    Parallelogram q;
    const float e1x = x1 - x0, e1y = y1 - y0, e2x = x3 - x0, e2y = y3 - y0;
    const float det = e1x * e2y - e1y * e2x;
    if (!std::isfinite(det) || std::fabs(det) < 1e-6f)
        return q;
    q.p0x = x0;
    q.p0y = y0;
    q.dsdx = e2y / det;
    q.dsdy = -e2x / det;
    q.dtdx = -e1y / det;
    q.dtdy = e1x / det;
    const float x2 = x1 + e2x, y2 = y1 + e2y;
    q.minX = std::min({x0, x1, x2, x3});
    q.maxX = std::max({x0, x1, x2, x3});
    q.minY = std::min({y0, y1, y2, y3});
    q.maxY = std::max({y0, y1, y2, y3});
    q.valid = true;
    return q;
}

// Narrows [xa, xb] to the pixels where f = f0 + k * (x - xStart) lies in [0, 1).
void narrow(float f0, float k, int xStart, int& xa, int& xb) {
    if (std::fabs(k) < 1e-9f) {
        if (!(f0 >= 0.0f && f0 < 1.0f))
            xb = xa - 1;
        return;
    }
    // Bounds beyond any canvas are clamped before they become integers.
    const double at0 = std::clamp(xStart + (0.0 - f0) / k, -1e7, 1e7);
    const double at1 = std::clamp(xStart + (1.0 - f0) / k, -1e7, 1e7);
    if (k > 0) {
        xa = std::max(xa, int(std::ceil(at0)));
        xb = std::min(xb, int(std::ceil(at1)) - 1);
    } else {
        xa = std::max(xa, int(std::floor(at1)) + 1);
        xb = std::min(xb, int(std::floor(at0)));
    }
}

class SoftwarePainter final : public Painter {
  public:
    explicit SoftwarePainter(Image& canvas) : canvas_(canvas) {}

    // A frame usually starts by covering the whole canvas with an opaque picture; the clear is
    // kept pending so that such a frame does not fill the canvas twice.
    void clear(Color c) override {
        clearPending_ = true;
        clearColor_ = c | 0xFF000000u;
    }

    void flush() override { settle(); }

    void drawPicture(const Picture& p, float x1, float y1, float x2, float y2,
                     const Corners& colors) override {
        if (p.image.pixels.empty())
            return;
        if (p.uniform && cornersEqual(colors)) { // a white picture stretched for a fade
            fill(x1, y1, x2, y2, Corners::all(modulate(p.image.pixels.front(), colors.topLeft)));
            return;
        }
        if (cornersEqual(colors) && x2 - x1 == float(p.image.width) &&
            y2 - y1 == float(p.image.height) && x1 == std::floor(x1) && y1 == std::floor(y1)) {
            if (p.opaque && colors.topLeft == kWhite && covers(x1, y1, x2, y2))
                clearPending_ = false;
            settle();
            blitExact(p, int(x1), int(y1), colors.topLeft);
            return;
        }
        settle();
        if (cornersEqual(colors) && x2 > x1 && y2 > y1) {
            blitScaled(p, x1, y1, x2, y2, colors.topLeft);
            return;
        }
        const Parallelogram q = makeParallelogram(x1, y1, x2, y1, x1, y2);
        raster(q, &p, colors);
    }

    void drawRotated(const Picture& p, float cx, float cy, float w, float h, float degrees,
                     const Corners& colors) override {
        if (p.image.pixels.empty())
            return;
        if (std::remainder(degrees, 360.0f) == 0.0f) {
            drawPicture(p, cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, colors);
            return;
        }
        settle();
        // Clockwise on screen with y pointing down.
        const double a = degrees * 3.14159265358979 / 180.0;
        const float cs = float(std::cos(a)), sn = float(std::sin(a));
        const bool flat = p.uniform && cornersEqual(colors);
        auto x = [&](float u, float v) { return cx + u * cs - v * sn; };
        auto y = [&](float u, float v) { return cy + u * sn + v * cs; };
        const float hw = w / 2, hh = h / 2;
        const Parallelogram q = makeParallelogram(x(-hw, -hh), y(-hw, -hh), x(hw, -hh), y(hw, -hh),
                                                  x(-hw, hh), y(-hw, hh));
        if (flat)
            raster(q, nullptr, Corners::all(modulate(p.image.pixels.front(), colors.topLeft)));
        else
            raster(q, &p, colors);
    }

    void fill(float x1, float y1, float x2, float y2, const Corners& colors) override {
        if (cornersEqual(colors) && (colors.topLeft >> 24) == 255 &&
            covers(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
            clearPending_ = false;
        settle();
        if (cornersEqual(colors)) {
            fillConstant(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                         colors.topLeft);
            return;
        }
        raster(makeParallelogram(x1, y1, x2, y1, x1, y2), nullptr, colors);
    }

  private:
    void settle() {
        if (clearPending_)
            std::fill(canvas_.pixels.begin(), canvas_.pixels.end(), clearColor_);
        clearPending_ = false;
    }

    bool covers(float x1, float y1, float x2, float y2) const {
        return x1 <= 0 && y1 <= 0 && x2 >= float(canvas_.width) && y2 >= float(canvas_.height);
    }

    // Pixel rows and columns whose centres lie in [a, b).
    static int firstPixel(float a) { return int(std::ceil(a - 0.5f)); }

    void fillConstant(float x1, float y1, float x2, float y2, Color c) {
        const int xa = std::max(0, firstPixel(x1)), xb = std::min(canvas_.width, firstPixel(x2));
        const int ya = std::max(0, firstPixel(y1)), yb = std::min(canvas_.height, firstPixel(y2));
        if (xa >= xb || ya >= yb)
            return;
        const std::uint32_t a = c >> 24;
        if (a == 0)
            return;
        for (int y = ya; y < yb; ++y) {
            std::uint32_t* row = canvas_.pixels.data() + std::size_t(y) * canvas_.width;
            if (a == 255) {
                std::fill(row + xa, row + xb, c);
                continue;
            }
            blendRun(row + xa, xb - xa, c);
        }
    }

    // The picture at its own size on whole pixels: no sampling at all.
    void blitExact(const Picture& p, int x0, int y0, Color tint) {
        const int xa = std::max(0, x0), xb = std::min(canvas_.width, x0 + p.image.width);
        const int ya = std::max(0, y0), yb = std::min(canvas_.height, y0 + p.image.height);
        if (xa >= xb || ya >= yb || (tint >> 24) == 0)
            return;
        const bool plain = tint == kWhite;
        for (int y = ya; y < yb; ++y) {
            std::uint32_t* dst = canvas_.pixels.data() + std::size_t(y) * canvas_.width;
            const std::uint32_t* src =
                p.image.pixels.data() + std::size_t(y - y0) * p.image.width - x0;
            if (plain && p.opaque) {
                std::memcpy(dst + xa, src + xa, std::size_t(xb - xa) * 4);
            } else if (plain) {
                for (int x = xa; x < xb; ++x)
                    dst[x] = blend(dst[x], src[x]);
            } else {
                for (int x = xa; x < xb; ++x)
                    dst[x] = blend(dst[x], modulate(src[x], tint));
            }
        }
    }

    // Where a canvas pixel samples the picture along one axis: two texels and the weight of the
    // second (0..255).
    struct Tap {
        int first = 0, second = 0;
        std::uint32_t weight = 0;
    };

    static Tap tapAt(double position, int size, bool filtered) {
        if (!filtered) {
            const int i = std::clamp(int(std::floor(position)), 0, size - 1);
            return {i, i, 0};
        }
        const double f = position - 0.5, whole = std::floor(f);
        const int i = int(whole);
        return {std::clamp(i, 0, size - 1), std::clamp(i + 1, 0, size - 1),
                std::uint32_t((f - whole) * 256.0) & 255};
    }

    // An upright picture at another size: the sample positions of each column are worked out
    // once, not per pixel.
    void blitScaled(const Picture& p, float x1, float y1, float x2, float y2, Color tint) {
        const int xa = std::max(0, firstPixel(x1)), xb = std::min(canvas_.width, firstPixel(x2));
        const int ya = std::max(0, firstPixel(y1)), yb = std::min(canvas_.height, firstPixel(y2));
        if (xa >= xb || ya >= yb || (tint >> 24) == 0)
            return;
        const int tw = p.image.width, th = p.image.height;
        const double sx = double(tw) / (double(x2) - x1), sy = double(th) / (double(y2) - y1);
        columns_.resize(std::size_t(xb - xa));
        for (int x = xa; x < xb; ++x)
            columns_[std::size_t(x - xa)] = tapAt((x + 0.5 - x1) * sx, tw, p.filtered);
        const bool plain = tint == kWhite;
        for (int y = ya; y < yb; ++y) {
            const Tap r = tapAt((y + 0.5 - y1) * sy, th, p.filtered);
            const std::uint32_t* r0 = p.image.pixels.data() + std::size_t(r.first) * tw;
            const std::uint32_t* r1 = p.image.pixels.data() + std::size_t(r.second) * tw;
            std::uint32_t* out = canvas_.pixels.data() + std::size_t(y) * canvas_.width + xa;
            const Tap* col = columns_.data();
            const int n = xb - xa;
            if (!p.filtered) {
                for (int i = 0; i < n; ++i) {
                    const std::uint32_t texel = r0[col[i].first];
                    out[i] = blendPixel(out[i], plain ? texel : modulate(texel, tint));
                }
            } else if (plain) {
                for (int i = 0; i < n; ++i)
                    out[i] =
                        shade<false>(out[i], r0[col[i].first], r0[col[i].second], r1[col[i].first],
                                     r1[col[i].second], col[i].weight, r.weight, tint);
            } else {
                for (int i = 0; i < n; ++i)
                    out[i] =
                        shade<true>(out[i], r0[col[i].first], r0[col[i].second], r1[col[i].first],
                                    r1[col[i].second], col[i].weight, r.weight, tint);
            }
        }
    }

    void raster(const Parallelogram& q, const Picture* p, const Corners& colors) {
        if (!q.valid)
            return;
        const Sampling sampling = !p            ? Sampling::None
                                  : p->filtered ? Sampling::Bilinear
                                                : Sampling::Nearest;
        const Tint tint = !cornersEqual(colors)      ? Tint::Gradient
                          : colors.topLeft != kWhite ? Tint::Constant
                                                     : Tint::None;
        if (tint != Tint::Gradient && (colors.topLeft >> 24) == 0)
            return;
        switch (sampling) {
        case Sampling::None:
            return tint == Tint::Gradient ? run<Sampling::None, Tint::Gradient>(q, p, colors)
                                          : run<Sampling::None, Tint::Constant>(q, p, colors);
        case Sampling::Nearest:
            return tint == Tint::Gradient   ? run<Sampling::Nearest, Tint::Gradient>(q, p, colors)
                   : tint == Tint::Constant ? run<Sampling::Nearest, Tint::Constant>(q, p, colors)
                                            : run<Sampling::Nearest, Tint::None>(q, p, colors);
        case Sampling::Bilinear:
            return tint == Tint::Gradient   ? run<Sampling::Bilinear, Tint::Gradient>(q, p, colors)
                   : tint == Tint::Constant ? run<Sampling::Bilinear, Tint::Constant>(q, p, colors)
                                            : run<Sampling::Bilinear, Tint::None>(q, p, colors);
        }
    }

    template <Sampling S, Tint T>
    void run(const Parallelogram& q, const Picture* p, const Corners& colors) {
        const int x0 = std::max(0, firstPixel(q.minX)),
                  x1 = std::min(canvas_.width, firstPixel(q.maxX)) - 1;
        const int y0 = std::max(0, firstPixel(q.minY)),
                  y1 = std::min(canvas_.height, firstPixel(q.maxY)) - 1;
        if (x0 > x1 || y0 > y1)
            return;
        const std::uint32_t* texels = p ? p->image.pixels.data() : nullptr;
        const int tw = p ? p->image.width : 1, th = p ? p->image.height : 1;
        // Texel positions step in 16.16 fixed point along a row.
        const double uScale = double(tw) * 65536.0, vScale = double(th) * 65536.0;
        // A sliver thinner than a texel step per pixel can hold shows nothing.
        if (std::fabs(q.dsdx * uScale) > 1e9 || std::fabs(q.dtdx * vScale) > 1e9)
            return;
        const auto du = std::int32_t(std::lround(q.dsdx * uScale));
        const auto dv = std::int32_t(std::lround(q.dtdx * vScale));
        // Bilinear samples around texel centres: shift by half a texel.
        const std::int32_t half = S == Sampling::Bilinear ? 32768 : 0;
        for (int y = y0; y <= y1; ++y) {
            const float dx = float(x0) + 0.5f - q.p0x, dy = float(y) + 0.5f - q.p0y;
            const float s0 = dx * q.dsdx + dy * q.dsdy, t0 = dx * q.dtdx + dy * q.dtdy;
            int xa = x0, xb = x1;
            narrow(s0, q.dsdx, x0, xa, xb);
            narrow(t0, q.dtdx, x0, xa, xb);
            if (xa > xb)
                continue;
            std::uint32_t* row = canvas_.pixels.data() + std::size_t(y) * canvas_.width;
            const float sa = s0 + float(xa - x0) * q.dsdx, ta = t0 + float(xa - x0) * q.dtdx;
            auto u = std::int32_t(std::lround(double(sa) * uScale)) - half;
            auto v = std::int32_t(std::lround(double(ta) * vScale)) - half;
            for (int x = xa; x <= xb; ++x, u += du, v += dv) {
                std::uint32_t c = colors.topLeft;
                if constexpr (T == Tint::Gradient) {
                    const float s = std::clamp(sa + float(x - xa) * q.dsdx, 0.0f, 1.0f);
                    const float t = std::clamp(ta + float(x - xa) * q.dtdx, 0.0f, 1.0f);
                    const auto ws = std::uint32_t(s * 256.0f), wt = std::uint32_t(t * 256.0f);
                    c = lerp(lerp(colors.topLeft, colors.topRight, ws),
                             lerp(colors.bottomLeft, colors.bottomRight, ws), wt);
                }
                if constexpr (S == Sampling::None) {
                    row[x] = blend(row[x], c);
                } else {
                    std::uint32_t texel;
                    if constexpr (S == Sampling::Nearest) {
                        const int iu = std::clamp(u >> 16, 0, tw - 1);
                        const int iv = std::clamp(v >> 16, 0, th - 1);
                        texel = texels[std::size_t(iv) * tw + iu];
                    } else {
                        const int iu = u >> 16, iv = v >> 16;
                        std::uint32_t a, b, cc, d;
                        if (unsigned(iu) < unsigned(tw - 1) && unsigned(iv) < unsigned(th - 1)) {
                            const std::uint32_t* r0 = texels + std::size_t(iv) * tw + iu;
                            a = r0[0];
                            b = r0[1];
                            cc = r0[tw];
                            d = r0[tw + 1];
                        } else { // the outer half texel repeats the edge
                            const int u0 = std::clamp(iu, 0, tw - 1),
                                      u1 = std::clamp(iu + 1, 0, tw - 1);
                            const int v0 = std::clamp(iv, 0, th - 1),
                                      v1 = std::clamp(iv + 1, 0, th - 1);
                            a = texels[std::size_t(v0) * tw + u0];
                            b = texels[std::size_t(v0) * tw + u1];
                            cc = texels[std::size_t(v1) * tw + u0];
                            d = texels[std::size_t(v1) * tw + u1];
                        }
                        const auto wu = std::uint32_t(u >> 8) & 255,
                                   wv = std::uint32_t(v >> 8) & 255;
                        row[x] = shade<T != Tint::None>(row[x], a, b, cc, d, wu, wv, c);
                        continue;
                    }
                    row[x] = blendPixel(row[x], T == Tint::None ? texel : modulate(texel, c));
                }
            }
        }
    }

    Image& canvas_;
    std::vector<Tap> columns_;
    bool clearPending_ = false;
    Color clearColor_ = 0xFF000000u;
};

} // namespace

std::unique_ptr<Painter> createSoftwarePainter(Image& canvas) {
    return std::make_unique<SoftwarePainter>(canvas);
}

} // namespace engine

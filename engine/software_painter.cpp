#include "engine/painter.hpp"
#include "engine/pixel_ops.hpp"
#include "engine/pixel_rows.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace engine {
namespace {

using namespace pixel;

// One row of a turned or scaled picture, bilinear: texel positions step in 16.16 fixed point
// from (u, v), already shifted to texel centres. Kept apart so its few values stay in registers.
template <bool Tinted>
void bilinearSpan(std::uint32_t* out, int count, std::int32_t u, std::int32_t v, std::int32_t du,
                  std::int32_t dv, const std::uint32_t* texels, int tw, int th,
                  std::uint32_t tint) {
    const std::size_t stride = std::size_t(tw);
    const unsigned lastU = unsigned(tw - 1), lastV = unsigned(th - 1);
    for (int i = 0; i < count; ++i, u += du, v += dv) {
        const int iu = u >> 16, iv = v >> 16;
        std::uint32_t a, b, c, d;
        if (unsigned(iu) < lastU && unsigned(iv) < lastV) {
            const std::uint32_t* r0 = texels + std::size_t(iv) * stride + unsigned(iu);
            a = r0[0];
            b = r0[1];
            c = r0[stride];
            d = r0[stride + 1];
        } else { // the outer half texel repeats the edge
            const int u0 = std::clamp(iu, 0, tw - 1), u1 = std::clamp(iu + 1, 0, tw - 1);
            const int v0 = std::clamp(iv, 0, th - 1), v1 = std::clamp(iv + 1, 0, th - 1);
            a = texels[std::size_t(v0) * stride + u0];
            b = texels[std::size_t(v0) * stride + u1];
            c = texels[std::size_t(v1) * stride + u0];
            d = texels[std::size_t(v1) * stride + u1];
        }
        out[i] = shade<Tinted>(out[i], a, b, c, d, std::uint32_t(u >> 8) & 255,
                               std::uint32_t(v >> 8) & 255, tint);
    }
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
    SoftwarePainter(Image& canvas, SoftwareRows rows)
        : canvas_(canvas), general_(rows == SoftwareRows::General) {}

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
            if (general_) {
                for (int x = xa; x < xb; ++x)
                    row[x] = blend(row[x], c);
            } else {
                blendColorRow(row + xa, xb - xa, c);
            }
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
            } else if (!general_) {
                if (plain)
                    blendRow(dst + xa, src + xa, xb - xa);
                else
                    blendTintedRow(dst + xa, src + xa, xb - xa, tint);
            } else if (plain) {
                for (int x = xa; x < xb; ++x)
                    dst[x] = blend(dst[x], src[x]);
            } else {
                for (int x = xa; x < xb; ++x)
                    dst[x] = blend(dst[x], modulate(src[x], tint));
            }
        }
    }

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
            if (!general_) {
                if (p.filtered)
                    bilinearRow(out, n, r0, r1, r.weight, col, tint);
                else
                    nearestRow(out, n, r0, col, tint);
            } else if (!p.filtered) {
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
            if constexpr (S == Sampling::Bilinear && T != Tint::Gradient) {
                if (!general_) {
                    turnedBilinearRow(row + xa, xb - xa + 1, u, v, du, dv, texels, tw, th,
                                      colors.topLeft);
                    continue;
                }
                bilinearSpan<T == Tint::Constant>(row + xa, xb - xa + 1, u, v, du, dv, texels, tw,
                                                  th, colors.topLeft);
                continue;
            }
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
    const bool general_; // pixel by pixel everywhere: the reference for the whole-row paths
    std::vector<Tap> columns_;
    bool clearPending_ = false;
    Color clearColor_ = 0xFF000000u;
};

} // namespace

std::unique_ptr<Painter> createSoftwarePainter(Image& canvas, SoftwareRows rows) {
    return std::make_unique<SoftwarePainter>(canvas, rows);
}

} // namespace engine

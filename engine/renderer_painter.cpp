#include "engine/painter.hpp"

#include <array>
#include <cmath>

namespace engine {
namespace {

SDL_Color toSdl(Color c) {
    return {Uint8(c >> 16), Uint8(c >> 8), Uint8(c), Uint8(c >> 24)};
}

class RendererPainter final : public Painter {
  public:
    explicit RendererPainter(SDL_Renderer* renderer) : r_(renderer) {}

    void clear(Color c) override {
        SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(r_, Uint8(c >> 16), Uint8(c >> 8), Uint8(c), 255);
        SDL_RenderClear(r_);
    }

    void drawPicture(const Picture& p, float x1, float y1, float x2, float y2,
                     const Corners& colors) override {
        if (!p.texture)
            return;
        if (cornersEqual(colors) && x2 > x1 && y2 > y1) {
            const SDL_Color c = toSdl(colors.topLeft);
            SDL_SetTextureColorMod(p.texture, c.r, c.g, c.b);
            SDL_SetTextureAlphaMod(p.texture, c.a);
            // Opaque pictures drawn fully opaque skip blending: a plain copy is cheaper.
            SDL_SetTextureBlendMode(p.texture, p.opaque && c.a == 255 ? SDL_BLENDMODE_NONE
                                                                      : SDL_BLENDMODE_BLEND);
            const SDL_FRect dst{x1, y1, x2 - x1, y2 - y1};
            SDL_RenderCopyF(r_, p.texture, nullptr, &dst);
            return;
        }
        untinted(p);
        geometry(p.texture, {{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}}, colors);
    }

    void drawRotated(const Picture& p, float cx, float cy, float w, float h, float degrees,
                     const Corners& colors) override {
        if (!p.texture)
            return;
        if (cornersEqual(colors) && w > 0 && h > 0) {
            const SDL_Color c = toSdl(colors.topLeft);
            SDL_SetTextureColorMod(p.texture, c.r, c.g, c.b);
            SDL_SetTextureAlphaMod(p.texture, c.a);
            SDL_SetTextureBlendMode(p.texture, SDL_BLENDMODE_BLEND);
            const SDL_FRect dst{cx - w / 2, cy - h / 2, w, h};
            SDL_RenderCopyExF(r_, p.texture, nullptr, &dst, degrees, nullptr, SDL_FLIP_NONE);
            return;
        }
        untinted(p);
        // Clockwise on screen with y pointing down.
        const double a = degrees * 3.14159265358979 / 180.0;
        const float cs = float(std::cos(a)), sn = float(std::sin(a));
        auto at = [&](float u, float v) {
            return SDL_FPoint{cx + u * cs - v * sn, cy + u * sn + v * cs};
        };
        geometry(p.texture,
                 {at(-w / 2, -h / 2), at(w / 2, -h / 2), at(w / 2, h / 2), at(-w / 2, h / 2)},
                 colors);
    }

    void fill(float x1, float y1, float x2, float y2, const Corners& colors) override {
        if (cornersEqual(colors)) {
            const SDL_Color c = toSdl(colors.topLeft);
            SDL_SetRenderDrawBlendMode(r_, c.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
            SDL_SetRenderDrawColor(r_, c.r, c.g, c.b, c.a);
            const SDL_FRect rect{std::fmin(x1, x2), std::fmin(y1, y2), std::fabs(x2 - x1),
                                 std::fabs(y2 - y1)};
            SDL_RenderFillRectF(r_, &rect);
            return;
        }
        SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_BLEND);
        geometry(nullptr, {{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}}, colors);
    }

    void flush() override { SDL_RenderFlush(r_); }

  private:
    void untinted(const Picture& p) {
        SDL_SetTextureColorMod(p.texture, 255, 255, 255);
        SDL_SetTextureAlphaMod(p.texture, 255);
        SDL_SetTextureBlendMode(p.texture, SDL_BLENDMODE_BLEND);
    }

    // Corners in the order top-left, top-right, bottom-right, bottom-left. Equal colours need two
    // triangles; a four-colour blend is cut into a grid so it shades like the software
    // rasteriser's bilinear blend instead of showing the diagonal of two triangles.
    void geometry(SDL_Texture* texture, const std::array<SDL_FPoint, 4>& p, const Corners& colors) {
        const int cells = cornersEqual(colors) ? 1 : kGradientCells;
        const int side = cells + 1;
        std::array<SDL_Vertex, (kGradientCells + 1) * (kGradientCells + 1)> v;
        std::array<int, kGradientCells * kGradientCells * 6> index;
        for (int j = 0; j <= cells; ++j) {
            const float t = float(j) / float(cells);
            for (int i = 0; i <= cells; ++i) {
                const float s = float(i) / float(cells);
                auto mix = [&](float a, float b, float c, float d) {
                    return (a * (1 - s) + b * s) * (1 - t) + (d * (1 - s) + c * s) * t;
                };
                SDL_Vertex& out = v[std::size_t(j * side + i)];
                out.position = {mix(p[0].x, p[1].x, p[2].x, p[3].x),
                                mix(p[0].y, p[1].y, p[2].y, p[3].y)};
                out.tex_coord = {s, t};
                Uint8 channel[4];
                for (int k = 0; k < 4; ++k) {
                    const int shift = k * 8;
                    auto ch = [&](Color c) { return float((c >> shift) & 255); };
                    channel[k] =
                        Uint8(std::lround(mix(ch(colors.topLeft), ch(colors.topRight),
                                              ch(colors.bottomRight), ch(colors.bottomLeft))));
                }
                out.color = {channel[2], channel[1], channel[0], channel[3]};
            }
        }
        int n = 0;
        for (int j = 0; j < cells; ++j)
            for (int i = 0; i < cells; ++i) {
                const int a = j * side + i, b = a + 1, c = a + side + 1, d = a + side;
                for (int k : {a, b, c, a, c, d})
                    index[std::size_t(n++)] = k;
            }
        SDL_RenderGeometry(r_, texture, v.data(), side * side, index.data(), n);
    }

    static constexpr int kGradientCells = 8;
    SDL_Renderer* r_;
};

} // namespace

std::unique_ptr<Painter> createRendererPainter(SDL_Renderer* renderer) {
    return std::make_unique<RendererPainter>(renderer);
}

} // namespace engine

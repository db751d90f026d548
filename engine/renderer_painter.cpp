#include "engine/painter.hpp"

#include <array>
#include <cmath>

namespace engine {
namespace {

SDL_Color toSdl(Color c) {
    return {Uint8(c >> 16), Uint8(c >> 8), Uint8(c), Uint8(c >> 24)};
}

Color average(const Corners& c) {
    Color out = 0;
    for (int s = 0; s < 32; s += 8) {
        unsigned sum = ((c.topLeft >> s) & 255) + ((c.topRight >> s) & 255) +
                       ((c.bottomRight >> s) & 255) + ((c.bottomLeft >> s) & 255);
        out |= Color((sum + 2) / 4) << s;
    }
    return out;
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

    // Corners in the order top-left, top-right, bottom-right, bottom-left. A centre vertex keeps
    // a four-colour blend symmetric across both diagonals.
    void geometry(SDL_Texture* texture, const std::array<SDL_FPoint, 4>& p, const Corners& colors) {
        static constexpr std::array<SDL_FPoint, 4> uv{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
        const std::array<Color, 4> c{colors.topLeft, colors.topRight, colors.bottomRight,
                                     colors.bottomLeft};
        SDL_Vertex v[5];
        for (int i = 0; i < 4; ++i)
            v[i] = {p[i], toSdl(c[i]), uv[i]};
        v[4] = {{(p[0].x + p[1].x + p[2].x + p[3].x) / 4, (p[0].y + p[1].y + p[2].y + p[3].y) / 4},
                toSdl(average(colors)),
                {0.5f, 0.5f}};
        static constexpr int four[12] = {0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0, 4};
        SDL_RenderGeometry(r_, texture, v, 5, four, 12);
    }

    SDL_Renderer* r_;
};

} // namespace

std::unique_ptr<Painter> createRendererPainter(SDL_Renderer* renderer) {
    return std::make_unique<RendererPainter>(renderer);
}

} // namespace engine

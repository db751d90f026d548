#include "engine/quad_drawing.hpp"

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

// Corners in the order top-left, top-right, bottom-right, bottom-left. Equal colours need two
// triangles; gradients get a centre vertex so the blend is symmetric across both diagonals.
void drawGeometry(SDL_Renderer* renderer, SDL_Texture* texture, const std::array<SDL_FPoint, 4>& p,
                  const Corners& colors) {
    static constexpr std::array<SDL_FPoint, 4> uv{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    const std::array<Color, 4> c{colors.topLeft, colors.topRight, colors.bottomRight,
                                 colors.bottomLeft};
    SDL_Vertex v[5];
    for (int i = 0; i < 4; ++i)
        v[i] = {p[i], toSdl(c[i]), uv[i]};
    if (cornersEqual(colors)) {
        static constexpr int two[6] = {0, 1, 2, 0, 2, 3};
        SDL_RenderGeometry(renderer, texture, v, 4, two, 6);
        return;
    }
    v[4] = {{(p[0].x + p[1].x + p[2].x + p[3].x) / 4, (p[0].y + p[1].y + p[2].y + p[3].y) / 4},
            toSdl(average(colors)),
            {0.5f, 0.5f}};
    static constexpr int four[12] = {0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0, 4};
    SDL_RenderGeometry(renderer, texture, v, 5, four, 12);
}

} // namespace

Corners normalizedCorners(const Corners& colors) {
    if (colors.topLeft == 0xFFFFFFFFu && colors.topRight == 0xFFFFFFFEu &&
        colors.bottomRight == 0xFFFFFFFEu && colors.bottomLeft == 0xFFFFFFFEu)
        return Corners::all(kWhite);
    return colors;
}

bool cornersEqual(const Corners& c) {
    return c.topLeft == c.topRight && c.topLeft == c.bottomRight && c.topLeft == c.bottomLeft;
}

void drawTextureQuad(SDL_Renderer* renderer, SDL_Texture* texture, bool opaque, float x1, float y1,
                     float x2, float y2, const Corners& colors) {
    if (cornersEqual(colors) && x2 > x1 && y2 > y1) {
        const SDL_Color c = toSdl(colors.topLeft);
        SDL_SetTextureColorMod(texture, c.r, c.g, c.b);
        SDL_SetTextureAlphaMod(texture, c.a);
        // Opaque pictures drawn fully opaque skip blending: a plain copy is much cheaper.
        SDL_SetTextureBlendMode(texture,
                                opaque && c.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        const SDL_FRect dst{x1, y1, x2 - x1, y2 - y1};
        SDL_RenderCopyF(renderer, texture, nullptr, &dst);
        return;
    }
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    drawGeometry(renderer, texture, {{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}}, colors);
}

void drawRotatedQuad(SDL_Renderer* renderer, SDL_Texture* texture, float centerX, float centerY,
                     float width, float height, float angleDegrees, const Corners& colors) {
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    // Clockwise on screen with y pointing down.
    const double a = angleDegrees * 3.14159265358979 / 180.0;
    const float cs = float(std::cos(a)), sn = float(std::sin(a));
    const float hw = width / 2, hh = height / 2;
    auto at = [&](float u, float v) {
        return SDL_FPoint{centerX + u * cs - v * sn, centerY + u * sn + v * cs};
    };
    drawGeometry(renderer, texture, {at(-hw, -hh), at(hw, -hh), at(hw, hh), at(-hw, hh)}, colors);
}

void fillQuad(SDL_Renderer* renderer, float x1, float y1, float x2, float y2,
              const Corners& colors) {
    if (cornersEqual(colors)) {
        const SDL_Color c = toSdl(colors.topLeft);
        SDL_SetRenderDrawBlendMode(renderer, c.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
        const SDL_FRect r{std::fmin(x1, x2), std::fmin(y1, y2), std::fabs(x2 - x1),
                          std::fabs(y2 - y1)};
        SDL_RenderFillRectF(renderer, &r);
        return;
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    drawGeometry(renderer, nullptr, {{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}}, colors);
}

} // namespace engine

// Rectangles on an SDL renderer: textured, rotated and filled, with four corner colours.
// Equal corner colours take the renderer's copy and fill paths; gradients go through geometry.
#pragma once

#include "engine/engine.hpp"

#include <SDL.h>

namespace engine {

// The corner pattern -1, -2, -2, -2 (as signed colours) is the callers' way of saying plain
// white; it becomes four white corners.
Corners normalizedCorners(const Corners& colors);
bool cornersEqual(const Corners& c);

void drawTextureQuad(SDL_Renderer* renderer, SDL_Texture* texture, bool opaque, float x1, float y1,
                     float x2, float y2, const Corners& colors);
void drawRotatedQuad(SDL_Renderer* renderer, SDL_Texture* texture, float centerX, float centerY,
                     float width, float height, float angleDegrees, const Corners& colors);
void fillQuad(SDL_Renderer* renderer, float x1, float y1, float x2, float y2,
              const Corners& colors);

} // namespace engine

// The map mask: opaque red is wall, opaque yellow is open ground where bubbles go; any other
// colour is passable ground without bubbles.
#pragma once

#include "engine/engine.hpp"

#include <optional>

struct GameState;

namespace gameplay {

inline constexpr engine::Color kWallColor = 0xFFFF0000u;
inline constexpr engine::Color kOpenColor = 0xFFFFFF00u;

// Texture id of the current map's mask ("map" + n + "_mask"); kNoTexture when not loaded.
engine::TextureId maskTexture(const GameState& state);

// Colour of the mask at a play-field point, rounded to whole pixels (halves to even).
// Points outside the picture or not finite read as 0 (neither wall nor open).
engine::Color sampleMask(const GameState& state, engine::TextureId mask, double x, double y);

inline bool isWall(const GameState& state, engine::TextureId mask, double x, double y) {
    return sampleMask(state, mask, x, y) == kWallColor;
}

struct GroundSpot {
    int x;
    int y;
};

// Walks every pixel of the area [left, left + width) x [top, top + height), starting at a
// given pixel and wrapping around, for open ground at least `minDistance` from (fromX, fromY).
// When the area has open ground but none far enough, the open pixel farthest away is given.
// Empty only when the area has no open ground at all.
std::optional<GroundSpot> searchOpenGround(const GameState& state, engine::TextureId mask, int left,
                                           int top, int width, int height, int startIndex,
                                           double fromX, double fromY, double minDistance);

} // namespace gameplay

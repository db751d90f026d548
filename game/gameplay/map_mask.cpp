#include "game/gameplay/map_mask.hpp"

#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"

#include <cmath>
#include <string>

namespace gameplay {

engine::TextureId maskTexture(const GameState& state) {
    if (!state.engine)
        return engine::kNoTexture;
    return state.engine->texture("map" + std::to_string(state.mapNumber) + "_mask");
}

engine::Color sampleMask(const GameState& state, engine::TextureId mask, double x, double y) {
    if (!state.engine || mask == engine::kNoTexture || !std::isfinite(x) || !std::isfinite(y))
        return 0;
    const double px = roundHalfEven(x);
    const double py = roundHalfEven(y);
    // Far outside any picture; keeps the conversion below defined.
    if (std::fabs(px) > 1.0e6 || std::fabs(py) > 1.0e6)
        return 0;
    return state.engine->pixel(mask, static_cast<int>(px), static_cast<int>(py));
}

std::optional<GroundSpot> searchOpenGround(const GameState& state, engine::TextureId mask, int left,
                                           int top, int width, int height, int startIndex,
                                           double fromX, double fromY, double minDistance) {
    if (!state.engine || mask == engine::kNoTexture || width <= 0 || height <= 0)
        return std::nullopt;
    const long long count = static_cast<long long>(width) * height;
    std::optional<GroundSpot> farthest;
    double farthestDistance = -1.0;
    for (long long n = 0; n < count; ++n) {
        const long long index = (startIndex + n) % count;
        const int x = left + static_cast<int>(index % width);
        const int y = top + static_cast<int>(index / width);
        if (state.engine->pixel(mask, x, y) != kOpenColor)
            continue;
        const double distance = std::hypot(fromX - x, fromY - y);
        if (distance >= minDistance)
            return GroundSpot{x, y};
        if (distance > farthestDistance) {
            farthestDistance = distance;
            farthest = GroundSpot{x, y};
        }
    }
    return farthest;
}

} // namespace gameplay

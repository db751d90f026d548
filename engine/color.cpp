#include "engine/engine.hpp"

#include <algorithm>
#include <cmath>

namespace engine {

Color makeColor(float r, float g, float b, float a) {
    auto channel = [](float v) {
        // NaN counts as 0 so a broken value never turns into full intensity.
        const float c = std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f);
        return Color(std::lround(c * 255.0f));
    };
    return channel(a) << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
}

} // namespace engine

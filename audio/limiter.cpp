#include "audio/limiter.hpp"

#include <cmath>

namespace audio {

void limit(float* samples, int count) {
    constexpr float headroom = 1.0f - kLimiterKnee;
    for (int i = 0; i < count; ++i) {
        const float v = samples[i];
        const float magnitude = std::fabs(v);
        if (magnitude > kLimiterKnee) {
            // tanh joins the straight part with the same slope and never reaches 1.
            const float bent =
                kLimiterKnee + headroom * std::tanh((magnitude - kLimiterKnee) / headroom);
            samples[i] = std::copysign(bent, v);
        } else if (!(magnitude <= kLimiterKnee)) {
            samples[i] = 0.0f; // not a number: never pass it to the device
        }
    }
}

} // namespace audio

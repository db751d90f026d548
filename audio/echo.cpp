#include "audio/echo.hpp"

#include <algorithm>
#include <cmath>

namespace audio {

Echo::Echo(int sampleRate, float delaySeconds, float decay)
    : delay_(2 * static_cast<std::size_t>(
                     std::max(1L, std::lround(static_cast<double>(sampleRate) * delaySeconds))),
             0.0f),
      decay_(std::clamp(decay, 0.0f, 0.95f)) {}

void Echo::process(float* stereo, int frames) {
    for (int i = 0; i < 2 * frames; ++i) {
        const float wet = stereo[i] + decay_ * delay_[position_];
        delay_[position_] = wet;
        stereo[i] = wet;
        if (++position_ == delay_.size()) {
            position_ = 0;
        }
    }
}

void Echo::clear() {
    std::fill(delay_.begin(), delay_.end(), 0.0f);
    position_ = 0;
}

bool Echo::claim(const void* system) {
    const void* expected = nullptr;
    return owner_.compare_exchange_strong(expected, system) || expected == system;
}

void Echo::release(const void* system) {
    const void* expected = system;
    owner_.compare_exchange_strong(expected, nullptr);
}

} // namespace audio

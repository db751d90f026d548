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
    const float step = 1.0f / kEchoFadeFrames;
    const float target = active_ ? 1.0f : 0.0f;
    for (int frame = 0; frame < frames; ++frame) {
        wetGain_ = wetGain_ < target ? std::min(wetGain_ + step, target)
                                     : std::max(wetGain_ - step, target);
        for (int side = 0; side < 2; ++side) {
            float& sample = stereo[2 * frame + side];
            const float wet = decay_ * delay_[position_];
            delay_[position_] = (active_ ? sample : 0.0f) + wet;
            sample += wetGain_ * wet;
            if (++position_ == delay_.size()) {
                position_ = 0;
            }
        }
    }
}

void Echo::clear() {
    std::fill(delay_.begin(), delay_.end(), 0.0f);
    position_ = 0;
    active_ = true;
    wetGain_ = 1.0f;
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

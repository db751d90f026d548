#include "audio/resampler.hpp"

#include <algorithm>
#include <cmath>

namespace audio {

std::vector<std::int16_t> resample(const std::vector<std::int16_t>& in, int channels, long fromRate,
                                   long toRate, bool wrap) {
    if (channels < 1 || fromRate <= 0 || toRate <= 0 || fromRate == toRate) {
        return in;
    }
    const auto inFrames = static_cast<std::int64_t>(in.size() / channels);
    if (inFrames == 0) {
        return {};
    }
    const auto outFrames =
        std::max<std::int64_t>(1, std::llround(static_cast<double>(inFrames) * toRate / fromRate));
    // The exact length ratio, so a loop maps onto whole output frames.
    const double step = static_cast<double>(inFrames) / static_cast<double>(outFrames);

    auto at = [&](std::int64_t frame, int channel) -> float {
        if (wrap) {
            frame %= inFrames;
            if (frame < 0) {
                frame += inFrames;
            }
        } else {
            frame = std::clamp<std::int64_t>(frame, 0, inFrames - 1);
        }
        return in[static_cast<std::size_t>(frame * channels + channel)];
    };

    std::vector<std::int16_t> out(static_cast<std::size_t>(outFrames * channels));
    for (std::int64_t j = 0; j < outFrames; ++j) {
        const double position = j * step;
        const auto base = static_cast<std::int64_t>(position);
        const float t = static_cast<float>(position - static_cast<double>(base));
        for (int c = 0; c < channels; ++c) {
            const float p0 = at(base - 1, c);
            const float p1 = at(base, c);
            const float p2 = at(base + 1, c);
            const float p3 = at(base + 2, c);
            // Catmull-Rom: passes through the samples, smooth between them.
            const float value = p1 + 0.5f * t *
                                         (p2 - p0 +
                                          t * (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3 +
                                               t * (3.0f * (p1 - p2) + p3 - p0)));
            out[static_cast<std::size_t>(j * channels + c)] =
                static_cast<std::int16_t>(std::clamp(std::round(value), -32768.0f, 32767.0f));
        }
    }
    return out;
}

} // namespace audio

#include "content/sounds/levels.hpp"

#include <algorithm>
#include <cmath>

namespace content::sound {

double peakLevel(const Audio& audio) {
    float peak = 0;
    for (const auto& channel : audio.channels)
        for (float v : channel)
            peak = std::max(peak, std::abs(v));
    return peak;
}

double rmsLevel(const Audio& audio) {
    double sum = 0;
    std::size_t count = 0;
    for (const auto& channel : audio.channels) {
        for (float v : channel)
            sum += static_cast<double>(v) * v;
        count += channel.size();
    }
    return count ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
}

void applyGain(Audio& audio, double gain) {
    const auto g = static_cast<float>(gain);
    for (auto& channel : audio.channels)
        for (float& v : channel)
            v *= g;
}

void normalisePeak(Audio& audio, double peakDb) {
    const double peak = peakLevel(audio);
    if (peak > 0)
        applyGain(audio, dbToGain(peakDb) / peak);
}

void normaliseRms(Audio& audio, double rmsDb, double ceilingDb) {
    const double rms = rmsLevel(audio);
    if (rms <= 0)
        return;
    applyGain(audio, dbToGain(rmsDb) / rms);
    const double ceiling = dbToGain(ceilingDb);
    const double knee = 0.7 * ceiling;
    for (auto& channel : audio.channels)
        for (float& v : channel) {
            const double a = std::abs(v);
            if (a <= knee)
                continue;
            const double bent = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
            v = static_cast<float>(std::copysign(bent, v));
        }
}

void fadeEdges(Audio& audio, double inSeconds, double outSeconds) {
    const std::size_t n = audio.frames();
    const auto fadeIn = std::min(n, static_cast<std::size_t>(inSeconds * kSampleRate));
    const auto fadeOut = std::min(n, static_cast<std::size_t>(outSeconds * kSampleRate));
    for (auto& channel : audio.channels) {
        for (std::size_t i = 0; i < fadeIn; ++i)
            channel[i] *= static_cast<float>(i) / static_cast<float>(fadeIn);
        for (std::size_t i = 0; i < fadeOut; ++i)
            channel[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(fadeOut);
    }
}

void trimSilence(Audio& audio, double thresholdDb) {
    const double threshold = dbToGain(thresholdDb);
    std::size_t last = 0;
    for (const auto& channel : audio.channels)
        for (std::size_t i = channel.size(); i-- > 0;)
            if (std::abs(channel[i]) > threshold) {
                last = std::max(last, i);
                break;
            }
    const std::size_t keep = std::min(audio.frames(), last + kSampleRate / 50);
    for (auto& channel : audio.channels)
        channel.resize(keep);
}

} // namespace content::sound

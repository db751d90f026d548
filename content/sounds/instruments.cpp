#include "content/sounds/instruments.hpp"

#include <algorithm>
#include <cmath>

namespace content::sound {

namespace {

std::size_t framesFor(double seconds) {
    return static_cast<std::size_t>(std::ceil(seconds * kSampleRate));
}

double seconds(std::size_t frame) {
    return static_cast<double>(frame) / kSampleRate;
}

} // namespace

Instruments::Instruments()
    : saw(harmonicSeries(40, 1.0)), square(harmonicSeries(39, 1.0, true)),
      mellow({1.0, 0.35, 0.12, 0.06, 0.03}) {}

std::vector<float> Instruments::voice(const WavetableSet& waveform, double hz, double noteSeconds,
                                      double velocity, const VoiceShape& shape) const {
    const Wavetable& table = waveform.forPitch(hz);
    const std::size_t frames = framesFor(shape.amplitude.totalSeconds(noteSeconds));
    std::vector<float> out(frames);
    const double detune = std::pow(2.0, shape.detuneCents / 1200.0);
    const bool twin = shape.detuneCents != 0;
    double phaseA = 0, phaseB = 0.37; // offset so the twin does not start in phase
    double lowA = 0, lowB = 0;
    // Slow controls (brightness, vibrato, envelope, tremolo) are computed once per block and
    // the amplitude ramps linearly across it: smooth, and far fewer transcendental calls.
    constexpr std::size_t kBlock = 32;
    auto amplitudeAt = [&](double t) {
        double amp = velocity * shape.amplitude.level(t, noteSeconds);
        if (shape.tremoloDepth > 0)
            amp *= 1.0 - shape.tremoloDepth * 0.5 * (1.0 - std::cos(2 * kPi * shape.tremoloHz * t));
        return amp;
    };
    double ampStart = amplitudeAt(0);
    for (std::size_t block = 0; block < frames; block += kBlock) {
        const double t = seconds(block);
        const double k = std::min(1.0, t / std::max(shape.brightSeconds, 1e-3));
        const double bright = shape.brightStart + (shape.brightEnd - shape.brightStart) * k;
        const double cutoff = std::min(hz * bright, 16000.0);
        const double coefficient = 1.0 - std::exp(-2.0 * kPi * cutoff / kSampleRate);
        double f = hz;
        if (shape.vibratoCents != 0 && t > shape.vibratoDelay) {
            const double depth = std::min(1.0, (t - shape.vibratoDelay) / 0.3);
            f *= std::pow(2.0, depth * shape.vibratoCents / 1200.0 *
                                   std::sin(2 * kPi * shape.vibratoHz * t));
        }
        const double stepA = f / kSampleRate, stepB = f * detune / kSampleRate;
        const std::size_t end = std::min(frames, block + kBlock);
        const double ampEnd = amplitudeAt(seconds(end));
        const double ampStep = (ampEnd - ampStart) / static_cast<double>(end - block);
        double amp = ampStart;
        for (std::size_t i = block; i < end; ++i) {
            phaseA += stepA;
            double v = table.at(phaseA);
            if (twin) {
                phaseB += stepB;
                v = 0.5 * (v + table.at(phaseB));
            }
            lowA += coefficient * (v - lowA);
            lowB += coefficient * (lowA - lowB);
            out[i] = static_cast<float>(lowB * amp);
            amp += ampStep;
        }
        ampStart = ampEnd;
    }
    return out;
}

std::vector<float> Instruments::pluck(double hz, double s, double velocity) const {
    VoiceShape shape;
    shape.amplitude = {0.004, 0.22, 0.25, 0.08};
    shape.brightStart = 12;
    shape.brightEnd = 3;
    shape.brightSeconds = 0.15;
    return voice(square, hz, s, velocity, shape);
}

std::vector<float> Instruments::bell(double hz, double s, double velocity) const {
    auto out = additiveVoice(
        hz, s,
        {{1.0, 1.0, 1.4}, {2.0, 0.4, 0.8}, {3.0, 0.18, 0.5}, {4.2, 0.12, 0.3}, {5.4, 0.06, 0.2}},
        {0.002, 0, 1.0, 0.9});
    for (float& v : out)
        v *= static_cast<float>(velocity * 0.6);
    return out;
}

std::vector<float> Instruments::marimba(double hz, double s, double velocity) const {
    auto out = additiveVoice(hz, s, {{1.0, 1.0, 0.45}, {3.9, 0.3, 0.1}, {9.2, 0.1, 0.04}},
                             {0.002, 0, 1.0, 0.2});
    for (float& v : out)
        v *= static_cast<float>(velocity * 0.8);
    return out;
}

std::vector<float> Instruments::bass(double hz, double s, double velocity) const {
    VoiceShape shape;
    shape.amplitude = {0.006, 0.3, 0.55, 0.06};
    shape.brightStart = 5;
    shape.brightEnd = 2.5;
    shape.brightSeconds = 0.12;
    return voice(saw, hz, s, velocity, shape);
}

std::vector<float> Instruments::pad(double hz, double s, double velocity) const {
    VoiceShape shape;
    shape.amplitude = {0.8, 1.0, 0.85, 1.2};
    shape.brightStart = 2.5;
    shape.brightEnd = 3.5;
    shape.brightSeconds = 1.0;
    shape.detuneCents = 9;
    shape.vibratoHz = 4.5;
    shape.vibratoCents = 5;
    shape.vibratoDelay = 0.5;
    return voice(saw, hz, s, velocity, shape);
}

std::vector<float> Instruments::brass(double hz, double s, double velocity) const {
    VoiceShape shape;
    shape.amplitude = {0.03, 0.3, 0.75, 0.12};
    shape.brightStart = 1.5;
    shape.brightEnd = 5;
    shape.brightSeconds = 0.08;
    shape.detuneCents = 6;
    shape.vibratoHz = 5.5;
    shape.vibratoCents = 12;
    shape.vibratoDelay = 0.25;
    return voice(saw, hz, s, velocity, shape);
}

std::vector<float> Instruments::strings(double hz, double s, double velocity) const {
    VoiceShape shape;
    shape.amplitude = {0.25, 0.5, 1.0, 0.4};
    shape.brightStart = 4;
    shape.brightEnd = 4;
    shape.detuneCents = 8;
    shape.tremoloHz = 7;
    shape.tremoloDepth = 0.45;
    return voice(saw, hz, s, velocity, shape);
}

std::vector<float> Instruments::flute(double hz, double s, double velocity) const {
    VoiceShape shape;
    shape.amplitude = {0.08, 0.2, 0.8, 0.25};
    shape.brightStart = 6;
    shape.brightEnd = 6;
    shape.vibratoHz = 5;
    shape.vibratoCents = 15;
    shape.vibratoDelay = 0.3;
    return voice(mellow, hz, s, velocity, shape);
}

std::vector<float> Instruments::kick(double velocity) const {
    const std::size_t frames = framesFor(0.4);
    std::vector<float> out(frames);
    double phase = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = seconds(i);
        const double f = 45.0 + 110.0 * std::exp(-t / 0.04);
        phase += f / kSampleRate;
        const double amp = std::exp(-t / 0.16) * std::min(1.0, t / 0.002);
        out[i] = static_cast<float>(velocity * amp * std::sin(2 * kPi * phase));
    }
    return out;
}

std::vector<float> Instruments::snare(double velocity, Random& random) const {
    const std::size_t frames = framesFor(0.3);
    std::vector<float> out(frames);
    Biquad band = Biquad::bandPass(1800, 0.7);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = seconds(i);
        const double noise =
            band.process(static_cast<float>(random.bipolar())) * std::exp(-t / 0.08);
        const double tone =
            (std::sin(2 * kPi * 185 * t) + 0.5 * std::sin(2 * kPi * 330 * t)) * std::exp(-t / 0.04);
        out[i] =
            static_cast<float>(velocity * (1.4 * noise + 0.45 * tone) * std::min(1.0, t / 0.001));
    }
    return out;
}

std::vector<float> Instruments::hat(double velocity, bool open, Random& random) const {
    const double decay = open ? 0.14 : 0.025;
    const std::size_t frames = framesFor(decay * 6);
    std::vector<float> out(frames);
    Biquad high = Biquad::highPass(7000, 0.7);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = seconds(i);
        out[i] = static_cast<float>(velocity * high.process(static_cast<float>(random.bipolar())) *
                                    std::exp(-t / decay));
    }
    return out;
}

std::vector<float> Instruments::timpani(double hz, double velocity, Random& random) const {
    auto out = additiveVoice(
        hz, 1.6, {{1.0, 1.0, 0.9}, {1.5, 0.5, 0.6}, {1.99, 0.3, 0.4}, {2.44, 0.15, 0.3}},
        {0.003, 0, 1.0, 0.3});
    Biquad low = Biquad::lowPass(300, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        out[i] = static_cast<float>(
            velocity * (0.7 * out[i] + 0.8 * low.process(static_cast<float>(random.bipolar())) *
                                           std::exp(-t / 0.05)));
    }
    return out;
}

std::vector<float> Instruments::tick(double velocity, Random& random) const {
    const std::size_t frames = framesFor(0.06);
    std::vector<float> out(frames);
    Biquad band = Biquad::bandPass(3500, 4);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = seconds(i);
        const double noise =
            band.process(static_cast<float>(random.bipolar())) * std::exp(-t / 0.008);
        const double tone = std::sin(2 * kPi * 2000 * t) * std::exp(-t / 0.01);
        out[i] = static_cast<float>(velocity * (2.0 * noise + 0.3 * tone));
    }
    return out;
}

} // namespace content::sound

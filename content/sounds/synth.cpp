#include "content/sounds/synth.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace content::sound {

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Audio::Audio(std::size_t frames, int channelCount, bool looping_)
    : channels(static_cast<std::size_t>(channelCount), std::vector<float>(frames, 0.0f)),
      looping(looping_) {}

void Audio::addVoice(std::int64_t start, const std::vector<float>& voice, double gainLeft,
                     double gainRight) {
    const auto length = static_cast<std::int64_t>(frames());
    const bool stereo = channels.size() > 1;
    float* left = channels[0].data();
    float* right = stereo ? channels[1].data() : nullptr;
    const auto gl = static_cast<float>(stereo ? gainLeft : 0.5 * (gainLeft + gainRight));
    const auto gr = static_cast<float>(gainRight);
    std::int64_t at = start;
    if (looping)
        at = ((at % length) + length) % length;
    for (float v : voice) {
        if (at >= 0 && at < length) {
            left[at] += gl * v;
            if (right)
                right[at] += gr * v;
        }
        ++at;
        if (looping && at == length)
            at = 0;
    }
}

void Audio::addPanned(std::int64_t start, const std::vector<float>& voice, double gain,
                      double pan) {
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    addVoice(start, voice, gain * std::cos(angle) * std::sqrt(2.0),
             gain * std::sin(angle) * std::sqrt(2.0));
}

Wavetable::Wavetable(const std::vector<double>& harmonics) : table_(kSize + 1, 0.0f) {
    std::vector<double> sum(kSize, 0.0);
    for (std::size_t h = 0; h < harmonics.size(); ++h) {
        if (harmonics[h] == 0.0)
            continue;
        for (int i = 0; i < kSize; ++i)
            sum[static_cast<std::size_t>(i)] +=
                harmonics[h] * std::sin(2.0 * kPi * static_cast<double>((h + 1) * i) / kSize);
    }
    double peak = 0;
    for (double v : sum)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? 1.0 / peak : 0.0;
    for (int i = 0; i < kSize; ++i)
        table_[static_cast<std::size_t>(i)] =
            static_cast<float>(sum[static_cast<std::size_t>(i)] * scale);
    table_[kSize] = table_[0];
}

float Wavetable::at(double phaseInCycles) const {
    const double wrapped = phaseInCycles - std::floor(phaseInCycles);
    const double pos = wrapped * kSize;
    const auto i = std::min(static_cast<int>(pos), kSize - 1);
    const auto frac = static_cast<float>(pos - i);
    return table_[static_cast<std::size_t>(i)] +
           frac * (table_[static_cast<std::size_t>(i) + 1] - table_[static_cast<std::size_t>(i)]);
}

WavetableSet::WavetableSet(const std::vector<double>& harmonics) {
    for (std::size_t count = harmonics.size(); count >= 1; count = count * 7 / 10) {
        counts_.push_back(count);
        tables_.emplace_back(std::vector<double>(
            harmonics.begin(), harmonics.begin() + static_cast<std::ptrdiff_t>(count)));
        if (count == 1)
            break;
    }
}

const Wavetable& WavetableSet::forPitch(double hz) const {
    constexpr double kTopHz = 17000.0;
    const double allowed = kTopHz / (hz * 1.03);
    for (std::size_t i = 0; i < counts_.size(); ++i)
        if (static_cast<double>(counts_[i]) <= allowed)
            return tables_[i];
    return tables_.back();
}

std::vector<double> harmonicSeries(int count, double rolloff, bool oddOnly) {
    std::vector<double> h(static_cast<std::size_t>(count), 0.0);
    for (int n = 1; n <= count; ++n)
        if (!oddOnly || n % 2 == 1)
            h[static_cast<std::size_t>(n - 1)] = 1.0 / std::pow(n, rolloff);
    return h;
}

double Envelope::level(double t, double noteSeconds) const {
    auto held = [&](double time) {
        if (time < attack)
            return time / attack;
        const double d = time - attack;
        if (decay <= 0 || d >= 6 * decay)
            return sustain;
        return sustain + (1.0 - sustain) * std::exp(-d / decay);
    };
    if (t < 0)
        return 0;
    if (t < noteSeconds)
        return held(t);
    const double r = t - noteSeconds;
    if (r >= release)
        return 0;
    // Release falls along a cosine so the voice ends at exactly zero without a click.
    return held(noteSeconds) * 0.5 * (1.0 + std::cos(kPi * r / release));
}

Biquad Biquad::lowPass(double hz, double q) {
    const double w = 2 * kPi * hz / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::highPass(double hz, double q) {
    const double w = 2 * kPi * hz / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::bandPass(double hz, double q) {
    const double w = 2 * kPi * hz / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::process(float x) {
    // Transposed direct form II.
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
}

void filterLoop(std::vector<float>& samples, Biquad filter) {
    for (float v : samples)
        filter.process(v);
    for (float& v : samples)
        v = filter.process(v);
}

std::vector<float> additiveVoice(double hz, double noteSeconds,
                                 const std::vector<Partial>& partials, const Envelope& envelope) {
    const auto frames =
        static_cast<std::size_t>(std::ceil(envelope.totalSeconds(noteSeconds) * kSampleRate));
    std::vector<double> sum(frames, 0.0);
    for (const Partial& p : partials) {
        const double f = hz * p.ratio;
        if (f >= 0.45 * kSampleRate)
            continue;
        const double w = 2 * kPi * f / kSampleRate;
        const double c = std::cos(w), s = std::sin(w);
        const double fall = p.decay > 0 ? std::exp(-1.0 / (p.decay * kSampleRate)) : 1.0;
        double re = 1, im = 0, amp = p.amplitude;
        for (std::size_t i = 0; i < frames; ++i) {
            sum[i] += amp * im;
            const double nre = re * c - im * s;
            im = re * s + im * c;
            re = nre;
            amp *= fall;
            if ((i & 1023) == 1023) {
                const double norm = 1.0 / std::sqrt(re * re + im * im);
                re *= norm;
                im *= norm;
            }
        }
    }
    // The envelope is evaluated every 32 frames and ramped linearly between.
    std::vector<float> out(frames);
    constexpr std::size_t kBlock = 32;
    double start = envelope.level(0, noteSeconds);
    for (std::size_t block = 0; block < frames; block += kBlock) {
        const std::size_t end = std::min(frames, block + kBlock);
        const double finish = envelope.level(static_cast<double>(end) / kSampleRate, noteSeconds);
        const double step = (finish - start) / static_cast<double>(end - block);
        double level = start;
        for (std::size_t i = block; i < end; ++i, level += step)
            out[i] = static_cast<float>(sum[i] * level);
        start = finish;
    }
    return out;
}

namespace {

struct Comb {
    std::vector<float> line;
    std::size_t pos = 0;
    float store = 0;
    float process(float x, float feedback, float damp) {
        const float y = line[pos];
        store = y * (1 - damp) + store * damp;
        line[pos] = x + store * feedback;
        if (++pos == line.size())
            pos = 0;
        return y;
    }
};

struct Allpass {
    std::vector<float> line;
    std::size_t pos = 0;
    float process(float x) {
        const float b = line[pos];
        line[pos] = x + b * 0.5f;
        if (++pos == line.size())
            pos = 0;
        return b - x;
    }
};

struct ReverbChannel {
    std::array<Comb, 8> combs;
    std::array<Allpass, 4> allpasses;
    explicit ReverbChannel(std::size_t spread) {
        constexpr std::array<std::size_t, 8> comb{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
        constexpr std::array<std::size_t, 4> ap{556, 441, 341, 225};
        for (std::size_t i = 0; i < 8; ++i)
            combs[i].line.assign(comb[i] + spread, 0.0f);
        for (std::size_t i = 0; i < 4; ++i)
            allpasses[i].line.assign(ap[i] + spread, 0.0f);
    }
    float process(float x, float feedback, float damp) {
        float out = 0;
        for (Comb& c : combs)
            out += c.process(x, feedback, damp);
        for (Allpass& a : allpasses)
            out = a.process(out);
        return out;
    }
};

} // namespace

void addReverb(Audio& audio, double wet, double roomSize, double damping) {
    const std::size_t n = audio.frames();
    const bool stereo = audio.channels.size() > 1;
    std::vector<float> input(n);
    for (std::size_t i = 0; i < n; ++i)
        input[i] =
            0.5f * (audio.channels[0][i] + (stereo ? audio.channels[1][i] : audio.channels[0][i]));
    ReverbChannel left(0), right(23);
    const auto fb = static_cast<float>(roomSize), damp = static_cast<float>(damping);
    const auto gain = static_cast<float>(wet * 0.06);
    if (audio.looping)
        for (std::size_t i = 0; i < n; ++i) {
            left.process(input[i], fb, damp);
            right.process(input[i], fb, damp);
        }
    for (std::size_t i = 0; i < n; ++i) {
        const float l = left.process(input[i], fb, damp);
        const float r = right.process(input[i], fb, damp);
        if (stereo) {
            audio.channels[0][i] += gain * l;
            audio.channels[1][i] += gain * r;
        } else {
            audio.channels[0][i] += gain * 0.5f * (l + r);
        }
    }
}

double dbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}
double gainToDb(double gain) {
    return 20.0 * std::log10(std::max(gain, 1e-12));
}

} // namespace content::sound

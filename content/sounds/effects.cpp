#include "content/sounds/effects.hpp"

#include "content/sounds/sequencer.hpp"

#include <cmath>

namespace content::sound {

Audio buzzLoop(const BuzzSpec& recipe) {
    const auto frames = static_cast<std::size_t>(std::llround(recipe.seconds * kSampleRate));
    const Wavetable table(recipe.harmonics);
    std::vector<float> dry(frames), hiss(frames);
    Random random(recipe.seed);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // Phase is the integral of the wobbling frequency, so it stays periodic.
        double drift = 0;
        for (const auto& w : recipe.wobbles)
            drift += w.depthHz * std::sin(2 * kPi * w.rateHz * t) / (2 * kPi * w.rateHz);
        double v = table.at(recipe.hz * t + drift);
        if (recipe.secondHz > 0)
            v = 0.6 * v + 0.4 * table.at(recipe.secondHz * t + 0.8 * drift + 0.31);
        const double flutter =
            1.0 - recipe.flutterDepth * 0.5 * (1.0 - std::cos(2 * kPi * recipe.flutterHz * t));
        dry[i] = static_cast<float>(v * flutter);
        hiss[i] = static_cast<float>(random.bipolar() * flutter);
    }
    std::vector<float> body = dry;
    filterLoop(body, Biquad::bandPass(recipe.formantHz, recipe.formantQ));
    filterLoop(hiss, Biquad::bandPass(recipe.noiseHz, 1.2));
    Audio out(frames, 1, true);
    auto& samples = out.channels[0];
    for (std::size_t i = 0; i < frames; ++i)
        samples[i] = 0.45f * dry[i] + 1.2f * body[i] + static_cast<float>(recipe.noise) * hiss[i];
    filterLoop(samples, Biquad::lowPass(recipe.brightHz, 0.7));
    filterLoop(samples, Biquad::highPass(60, 0.7));
    return out;
}

BuzzSpec flyBuzz() {
    // A frantic house-fly whine: the fly is caught near the gravitation point.
    BuzzSpec s;
    s.hz = 210;
    s.secondHz = 213.5;
    s.harmonics = harmonicSeries(24, 0.9);
    s.wobbles = {{0.5, 9}, {3.0, 5}, {7.5, 3}};
    s.flutterHz = 11;
    s.flutterDepth = 0.25;
    s.formantHz = 1400;
    s.formantQ = 1.2;
    s.brightHz = 5000;
    s.noise = 0.15;
    s.noiseHz = 3500;
    s.seed = 11;
    return s;
}

BuzzSpec waspBuzz() {
    // Rougher and lower than the fly, square-edged like a wasp's wings.
    BuzzSpec s;
    s.hz = 155;
    s.secondHz = 157.5;
    s.harmonics = harmonicSeries(31, 0.8, true);
    s.wobbles = {{0.5, 7}, {2.0, 4}};
    s.flutterHz = 14;
    s.flutterDepth = 0.35;
    s.formantHz = 950;
    s.formantQ = 1.4;
    s.brightHz = 4500;
    s.noise = 0.12;
    s.noiseHz = 2500;
    s.seed = 12;
    return s;
}

BuzzSpec gnatBuzz() {
    // The thin high whine of a gnat.
    BuzzSpec s;
    s.hz = 560;
    s.secondHz = 0;
    s.harmonics = {1.0, 0.45, 0.25, 0.12, 0.08, 0.04};
    s.wobbles = {{0.5, 20}, {4.0, 6}};
    s.flutterHz = 6;
    s.flutterDepth = 0.2;
    s.formantHz = 1700;
    s.formantQ = 1.0;
    s.brightHz = 7000;
    s.noise = 0.05;
    s.noiseHz = 5000;
    s.seed = 13;
    return s;
}

BuzzSpec hornetBuzz() {
    // Deep and heavy; the game adds an echo to it.
    BuzzSpec s;
    s.hz = 98;
    s.secondHz = 99.5;
    s.harmonics = harmonicSeries(40, 1.0);
    s.wobbles = {{0.5, 5}, {1.5, 3}};
    s.flutterHz = 24;
    s.flutterDepth = 0.3;
    s.formantHz = 520;
    s.formantQ = 1.3;
    s.brightHz = 3000;
    s.noise = 0.1;
    s.noiseHz = 1500;
    s.seed = 14;
    return s;
}

namespace {

Audio oneShot(double seconds) {
    return Audio(static_cast<std::size_t>(seconds * kSampleRate), 1, false);
}

std::int64_t at(double seconds) {
    return std::llround(seconds * kSampleRate);
}

double hz(const char* note) {
    return midiHz(midiNumber(note));
}

} // namespace

Audio collectChime(const Instruments& in) {
    Audio out = oneShot(1.0);
    out.addPanned(at(0.00), in.bell(hz("E6"), 0.05, 0.9), 1.0, 0);
    out.addPanned(at(0.07), in.bell(hz("B6"), 0.05, 1.0), 1.0, 0);
    out.addPanned(at(0.14), in.bell(hz("E7"), 0.05, 0.5), 0.6, 0);
    out.addPanned(at(0.00), in.marimba(hz("E5"), 0.05, 0.6), 0.5, 0);
    return out;
}

Audio healthChime(const Instruments& in) {
    Audio out = oneShot(1.1);
    const char* notes[] = {"C5", "E5", "G5", "C6", "E6"};
    for (int i = 0; i < 5; ++i) {
        out.addPanned(at(0.05 * i), in.marimba(hz(notes[i]), 0.05, 0.7 + 0.06 * i), 0.7, 0);
        out.addPanned(at(0.05 * i), in.bell(hz(notes[i]), 0.05, 0.5), 0.5, 0);
    }
    out.addPanned(at(0.0), in.pad(hz("C5"), 0.25, 0.6), 0.25, 0);
    out.addPanned(at(0.0), in.pad(hz("G5"), 0.25, 0.6), 0.25, 0);
    return out;
}

Audio messageChime(const Instruments& in) {
    Audio out = oneShot(1.4);
    out.addPanned(at(0.00), in.bell(hz("G5"), 0.1, 0.8), 1.0, 0);
    out.addPanned(at(0.16), in.bell(hz("D6"), 0.1, 0.9), 1.0, 0);
    out.addPanned(at(0.00), in.flute(hz("G4"), 0.35, 0.5), 0.5, 0);
    out.addPanned(at(0.16), in.flute(hz("D5"), 0.3, 0.5), 0.5, 0);
    return out;
}

Audio menuChoice(const Instruments& in) {
    Audio out = oneShot(0.3);
    out.addPanned(at(0.0), in.marimba(hz("A5"), 0.04, 1.0), 1.0, 0);
    out.addPanned(at(0.0), in.marimba(hz("A4"), 0.04, 0.5), 0.6, 0);
    return out;
}

Audio menuSelect(const Instruments& in) {
    Audio out = oneShot(0.45);
    // A soft whoosh rising in pitch: a low noise band fading into a high one.
    Random random(21);
    std::vector<float> whoosh(static_cast<std::size_t>(0.25 * kSampleRate));
    Biquad low = Biquad::bandPass(700, 0.9), high = Biquad::bandPass(2600, 0.9);
    for (std::size_t i = 0; i < whoosh.size(); ++i) {
        const double k = static_cast<double>(i) / static_cast<double>(whoosh.size());
        const auto noise = static_cast<float>(random.bipolar());
        whoosh[i] = static_cast<float>(std::sin(kPi * k) *
                                       ((1 - k) * low.process(noise) + k * high.process(noise)));
    }
    out.addPanned(at(0.0), whoosh, 0.6, 0);
    out.addPanned(at(0.03), in.marimba(hz("E5"), 0.05, 0.8), 0.8, 0);
    out.addPanned(at(0.09), in.marimba(hz("B5"), 0.05, 0.7), 0.7, 0);
    return out;
}

Audio menuConfirm(const Instruments& in) {
    Audio out = oneShot(0.5);
    out.addPanned(at(0.00), in.pluck(hz("C6"), 0.06, 0.9), 1.0, 0);
    out.addPanned(at(0.07), in.pluck(hz("G6"), 0.1, 1.0), 1.0, 0);
    out.addPanned(at(0.07), in.bell(hz("G6"), 0.05, 0.5), 0.5, 0);
    return out;
}

Audio panelChoice(const Instruments& in) {
    Audio out = oneShot(0.25);
    Random random(22);
    out.addPanned(at(0.0), in.marimba(hz("E5"), 0.04, 0.9), 1.0, 0);
    out.addPanned(at(0.0), in.tick(0.5, random), 0.5, 0);
    return out;
}

Audio valueChange(const Instruments& in) {
    Audio out = oneShot(0.25);
    out.addPanned(at(0.0), in.pluck(hz("D6"), 0.04, 1.0), 1.0, 0);
    out.addPanned(at(0.0), in.marimba(hz("D5"), 0.04, 0.6), 0.6, 0);
    return out;
}

Audio submenuChoice(const Instruments& in) {
    Audio out = oneShot(0.25);
    out.addPanned(at(0.0), in.marimba(hz("C6"), 0.03, 0.8), 1.0, 0);
    return out;
}

} // namespace content::sound

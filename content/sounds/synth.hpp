// Building blocks of the sound writers: a seeded generator, wavetables, envelopes, filters and
// the audio buffer that notes are mixed into. Everything is deterministic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace content::sound {

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// splitmix64: the same sequence on every platform, unlike the standard distributions.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; } // [0, 1)
    double bipolar() { return uniform() * 2.0 - 1.0; }

  private:
    std::uint64_t state_;
};

// Mono or stereo float samples. A looping buffer wraps every write around its end, so a note
// that rings past the end of the loop continues at its start and the loop has no seam.
struct Audio {
    Audio(std::size_t frames, int channelCount, bool looping);

    std::size_t frames() const { return channels.front().size(); }
    // Adds a mono voice starting at `start` (may be negative or past the end on a loop).
    void addVoice(std::int64_t start, const std::vector<float>& voice, double gainLeft,
                  double gainRight);
    // Equal-power pan, -1 left .. 1 right; a mono buffer takes the sum.
    void addPanned(std::int64_t start, const std::vector<float>& voice, double gain, double pan);

    std::vector<std::vector<float>> channels;
    bool looping;
};

// One cycle of a band-limited waveform built from harmonic amplitudes (index 0 = fundamental).
class Wavetable {
  public:
    explicit Wavetable(const std::vector<double>& harmonics);
    float at(double phaseInCycles) const;

  private:
    static constexpr int kSize = 4096;
    std::vector<float> table_;
};

// One waveform at several bandwidths: a high note reads a table with fewer harmonics, so no
// harmonic lies above the audible band and folds back as a harsh alias.
class WavetableSet {
  public:
    explicit WavetableSet(const std::vector<double>& harmonics);
    // The table for a note at hz (with room for a little vibrato and detune).
    const Wavetable& forPitch(double hz) const;

  private:
    std::vector<std::size_t> counts_; // harmonics in each table, falling
    std::vector<Wavetable> tables_;
};

// Amplitudes 1/n^rolloff for n = 1..count; oddOnly leaves out even harmonics.
std::vector<double> harmonicSeries(int count, double rolloff, bool oddOnly = false);

// Attack, decay to sustain, release after the note's end; times in seconds.
struct Envelope {
    double attack = 0.005;
    double decay = 0.2;
    double sustain = 0.7;
    double release = 0.1;

    double level(double t, double noteSeconds) const;
    double totalSeconds(double noteSeconds) const { return noteSeconds + release; }
};

// RBJ biquad filter.
class Biquad {
  public:
    Biquad() = default;
    static Biquad lowPass(double hz, double q);
    static Biquad highPass(double hz, double q);
    static Biquad bandPass(double hz, double q); // 0 dB peak gain
    float process(float x);
    void reset() { z1_ = z2_ = 0; }

  private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
        : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double z1_ = 0, z2_ = 0;
};

// Filters a looped signal so its end leads into its start: one pass primes the filter state,
// the second writes the output.
void filterLoop(std::vector<float>& samples, Biquad filter);

// Additive voice: partials at ratio × hz, each with its own amplitude and decay time constant
// (seconds; 0 keeps it sustained), under an envelope. Oscillators rotate a phasor per sample.
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};
std::vector<float> additiveVoice(double hz, double noteSeconds,
                                 const std::vector<Partial>& partials, const Envelope& envelope);

// Stereo reverb (parallel damped combs into allpasses). On a looping buffer it runs the loop
// twice so the tail of the end rings into the start.
// roomSize is the comb feedback (0.7 small .. 0.9 large), damping 0..1 darkens the tail.
void addReverb(Audio& audio, double wet, double roomSize, double damping);

double dbToGain(double db);
double gainToDb(double gain);

} // namespace content::sound

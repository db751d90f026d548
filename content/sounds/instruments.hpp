// The instruments of the music and effects: each renders one mono note.
#pragma once

#include "content/sounds/synth.hpp"

#include <vector>

namespace content::sound {

// A wavetable voice: one or two slightly detuned oscillators through a two-pole low-pass whose
// cutoff (a multiple of the note's frequency) glides from bright to its resting value.
struct VoiceShape {
    Envelope amplitude;
    double brightStart = 8; // cutoff at the attack, × frequency
    double brightEnd = 4;   // cutoff after brightSeconds, × frequency
    double brightSeconds = 0.2;
    double detuneCents = 0; // second oscillator; 0 plays one
    double vibratoHz = 0;
    double vibratoCents = 0;
    double vibratoDelay = 0.2;
    double tremoloHz = 0;
    double tremoloDepth = 0;
};

class Instruments {
  public:
    Instruments();

    // Pitched voices; velocity 0..1.
    std::vector<float> pluck(double hz, double seconds, double velocity) const;   // bouncy lead
    std::vector<float> bell(double hz, double seconds, double velocity) const;    // celesta
    std::vector<float> marimba(double hz, double seconds, double velocity) const; // wooden mallet
    std::vector<float> bass(double hz, double seconds, double velocity) const;
    std::vector<float> pad(double hz, double seconds, double velocity) const;     // warm chords
    std::vector<float> brass(double hz, double seconds, double velocity) const;   // fanfare
    std::vector<float> strings(double hz, double seconds, double velocity) const; // tremolo
    std::vector<float> flute(double hz, double seconds, double velocity) const;   // soft lead

    // Percussion.
    std::vector<float> kick(double velocity) const;
    std::vector<float> snare(double velocity, Random& random) const;
    std::vector<float> hat(double velocity, bool open, Random& random) const;
    std::vector<float> timpani(double hz, double velocity, Random& random) const;
    std::vector<float> tick(double velocity, Random& random) const; // clock-like click

    std::vector<float> voice(const WavetableSet& waveform, double hz, double seconds,
                             double velocity, const VoiceShape& shape) const;

    WavetableSet saw;
    WavetableSet square;
    WavetableSet mellow;
};

} // namespace content::sound

#include "content/sounds/music.hpp"

#include "content/sounds/sequencer.hpp"

#include <string>
#include <vector>

namespace content::sound {

namespace {

using Chords = std::vector<std::string>;

// One note of all the chord's pitches per chord, `beatsEach` long, written as `rhythm` beats
// (e.g. {1.5, 0.5, 2} repeats the chord in that rhythm within its span).
std::vector<Note> chordNotes(const Chords& chords, double beatsEach, std::vector<double> rhythm,
                             double velocity) {
    if (rhythm.empty())
        rhythm = {beatsEach};
    std::vector<Note> notes;
    double beat = 0;
    for (const std::string& chord : chords) {
        double at = beat;
        for (double length : rhythm) {
            notes.push_back({at, length, chordPitches(chord), velocity});
            at += length;
        }
        beat += beatsEach;
    }
    return notes;
}

// Steps through each chord's pitches by `pattern` (indices past the top repeat an octave up).
std::vector<Note> arpeggio(const Chords& chords, double beatsEach, double step,
                           const std::vector<int>& pattern, int transpose, double velocity) {
    std::vector<Note> notes;
    double beat = 0;
    for (const std::string& chord : chords) {
        const std::vector<int> pitches = chordPitches(chord);
        const int size = static_cast<int>(pitches.size());
        int i = 0;
        for (double at = beat; at < beat + beatsEach - 1e-9; at += step, ++i) {
            const int index = pattern[static_cast<std::size_t>(i) % pattern.size()];
            const int pitch = pitches[static_cast<std::size_t>(index % size)] + 12 * (index / size);
            notes.push_back({at, step, {pitch + transpose}, velocity});
        }
        beat += beatsEach;
    }
    return notes;
}

// The root of each chord (its lowest pitch) moved to the bass register, in a per-bar rhythm of
// intervals above it: offsets are semitones, lengths beats.
std::vector<Note> bassLine(const Chords& chords, double beatsEach,
                           const std::vector<std::pair<int, double>>& figure, int transpose,
                           double velocity) {
    std::vector<Note> notes;
    double beat = 0;
    for (const std::string& chord : chords) {
        const int root = chordPitches(chord).front() + transpose;
        double at = beat;
        for (auto [offset, length] : figure) {
            notes.push_back({at, length, {root + offset}, velocity});
            at += length;
        }
        beat += beatsEach;
    }
    return notes;
}

auto voiceOf(const Instruments& in,
             std::vector<float> (Instruments::*fn)(double, double, double) const) {
    return [&in, fn](double hz, double s, double v) { return (in.*fn)(hz, s, v); };
}

} // namespace

Audio gameMusic(const Instruments& in) {
    constexpr double kBars = 24;
    Song song(120, kBars * 4);
    Random random(0x6a3e);
    const std::string leadA = "E5e G5e C6q G5e E5e G5q | A5e C6e E6q C6e A5e E5q |"
                              "F5e A5e C6q A5e F5e A5e C6e | B5q D6e B5e G5h |"
                              "E5e G5e C6q D6e E6e D6q | C6e B5e A5q E5e A5e C6q |"
                              "D6e C6e A5q B5e A5e G5q | C6h. rq";
    const std::string leadB = "A5q A5e G5e F5q C5q | D5q G5e A5e B5q G5q |"
                              "G5e B5e E6q D6e B5e G5q | A5q. G5e E5q C5q |"
                              "F5e E5e D5e F5e A5q D6q | B5e A5e G5e A5e B5q D6q |"
                              "E6q D6e C6e G5q E5q | F5e G5e A5e B5e D6q rq";
    // Half-bar chords: the A section twice around the B section.
    const Chords a = {"C4+E4+G4", "C4+E4+G4", "C4+E4+A4", "C4+E4+A4", "C4+F4+A4", "C4+F4+A4",
                      "B3+D4+G4", "B3+D4+G4", "C4+E4+G4", "C4+E4+G4", "C4+E4+A4", "C4+E4+A4",
                      "D4+F4+A4", "B3+D4+G4", "C4+E4+G4", "C4+E4+G4"};
    const Chords b = {"C4+F4+A4", "C4+F4+A4", "B3+D4+G4", "B3+D4+G4", "B3+E4+G4", "B3+E4+G4",
                      "C4+E4+A4", "C4+E4+A4", "D4+F4+A4", "D4+F4+A4", "B3+D4+G4", "B3+D4+G4",
                      "C4+E4+G4", "C4+E4+G4", "B3+D4+G4", "B3+D4+F4"};
    // Bass roots per half bar (the chord's root, not its lowest voiced note).
    const Chords rootsA = {"C3", "C3", "A2", "A2", "F2", "F2", "G2", "G2",
                           "C3", "C3", "A2", "A2", "D3", "G2", "C3", "C3"};
    const Chords rootsB = {"F2", "F2", "G2", "G2", "E2", "E2", "A2", "A2",
                           "D3", "D3", "G2", "G2", "C3", "C3", "G2", "G2"};

    auto pluck = voiceOf(in, &Instruments::pluck);
    auto bell = voiceOf(in, &Instruments::bell);
    auto marimba = voiceOf(in, &Instruments::marimba);
    auto bass = voiceOf(in, &Instruments::bass);

    song.play(parseBars(leadA, 32, 0), pluck, 0.34, -0.1, 0.8);
    song.play(parseBars(leadB, 32, 32), pluck, 0.34, -0.1, 0.8);
    song.play(parseBars(leadA, 32, 64), pluck, 0.30, -0.1, 0.8);
    // Sparkle: the last A section doubled an octave up on the bell.
    auto sparkle = parseBars(leadA, 32, 64);
    for (Note& n : sparkle)
        n.pitches[0] += 12;
    song.play(sparkle, bell, 0.10, 0.3);

    const std::vector<std::pair<int, double>> bounce = {{0, 1}, {7, 1}};
    for (int section = 0; section < 3; ++section) {
        const double start = section * 32.0;
        const Chords& chords = section == 1 ? b : a;
        const Chords& roots = section == 1 ? rootsB : rootsA;
        // Off-beat chord stabs, staccato.
        for (Note n : chordNotes(chords, 2, {1, 1}, 0.6)) {
            if (static_cast<int>(n.beat) % 2 == 0)
                continue;
            n.beat += start;
            song.play({n}, pluck, 0.085, 0.25, 0.45);
        }
        for (Note n : bassLine(roots, 2, bounce, -12, 0.85)) {
            n.beat += start;
            song.play({n}, bass, 0.36, 0.0, 0.7);
        }
        if (section == 1)
            for (Note n : arpeggio(chords, 2, 0.5, {0, 1, 2, 1}, 12, 0.6)) {
                n.beat += start;
                song.play({n}, marimba, 0.13, 0.45);
            }
    }

    for (int bar = 0; bar < kBars; ++bar) {
        const double b0 = bar * 4.0;
        const bool fill = bar % 8 == 7;
        song.hit(in.kick(0.9), b0, 0.42, 0);
        song.hit(in.kick(0.8), b0 + 2, 0.42, 0);
        if (bar % 2 == 1)
            song.hit(in.kick(0.6), b0 + 2.5, 0.42, 0);
        song.hit(in.snare(0.7, random), b0 + 1, 0.22, 0.05);
        if (fill) {
            for (int i = 0; i < 4; ++i)
                song.hit(in.snare(0.45 + 0.1 * i, random), b0 + 2 + 0.5 * i, 0.22, 0.05);
        } else {
            song.hit(in.snare(0.7, random), b0 + 3, 0.22, 0.05);
        }
        // The middle section lifts with an open hat on the last off-beat; each section opens
        // with a splash.
        const bool lift = bar / 8 == 1;
        for (int i = 0; i < 8; ++i) {
            const bool open = lift && i == 7;
            song.hit(in.hat(i % 2 ? 0.7 : 0.4, open, random), b0 + 0.5 * i, open ? 0.14 : 0.2,
                     -0.3);
        }
        if (bar % 8 == 0)
            song.hit(in.hat(0.8, true, random), b0, 0.16, 0.3);
    }
    addReverb(song.audio, 0.25, 0.78, 0.3);
    return std::move(song.audio);
}

Audio menuMusic(const Instruments& in) {
    constexpr double kBars = 16;
    Song song(72, kBars * 4);
    const Chords chords = {"F3+A3+C4+E4", "D3+F3+A3+C4",  "Bb2+D3+F3+A3", "C3+E3+G3+C4",
                           "F3+A3+C4+E4", "A2+E3+G3+C4",  "Bb2+D3+F3+A3", "C3+F3+G3+C4",
                           "D3+F3+A3+C4", "Bb2+D3+F3+A3", "A2+E3+G3+C4",  "G2+D3+F3+Bb3",
                           "D3+F3+A3+C4", "Bb2+D3+F3+A3", "G2+D3+F3+Bb3", "C3+F3+G3+Bb3"};
    const std::string melody = "A5h. G5q | F5h D5h | F5q. E5e D5q C5q | E5w |"
                               "A5h C6q A5q | G5h. E5q | F5q G5q A5q D5q | G5h. rq |"
                               "A5h. C6q | D6h C6q A5q | C6h. G5q | Bb5h A5q G5q |"
                               "F5h. A5q | D5h F5h | G5h. A5e Bb5e | G5w";
    song.play(chordNotes(chords, 4, {}, 0.7), voiceOf(in, &Instruments::pad), 0.13, 0.0);
    song.play(parseBars(melody, 64), voiceOf(in, &Instruments::flute), 0.2, 0.15, 0.95);
    song.play(arpeggio(chords, 4, 0.5, {0, 1, 2, 3, 4, 3, 2, 1}, 12, 0.45),
              voiceOf(in, &Instruments::bell), 0.11, -0.35);
    song.play(bassLine(chords, 4, {{0, 3}, {7, 1}}, -12, 0.6), voiceOf(in, &Instruments::bass), 0.2,
              0.0, 0.95);
    addReverb(song.audio, 0.5, 0.86, 0.4);
    return std::move(song.audio);
}

Audio introMusic(const Instruments& in) {
    constexpr double kBars = 16;
    Song song(100, kBars * 4);
    Random random(0x1e7a);
    const std::string fanfare =
        "D5et D5et D5et A5q. F#5e A5q | B5h. A5e G5e | A5et A5et A5et E5q. C#5e E5q | F#5h D5h |"
        "D5et D5et D5et F#5q. B5e D6q | D6h B5q G5q | E5q G5q A5q C#6q | D6h. rq |"
        "B5q. A5e G5q B5q | C#6q. B5e A5h | C#6q. B5e A5q F#5q | B5h. F#5q |"
        "G5et A5et B5et D6q B5q G5q | A5et B5et C#6et D6q A5q F#5q | G5q B5q E6q D6e C#6e |"
        "A5h E5et F#5et G5et A5et B5et C#6et";
    // Half-bar chords.
    const Chords chords = {
        "D4+F#4+A4",  "D4+F#4+A4", "D4+G4+B4",  "D4+G4+B4", "C#4+E4+A4", "C#4+E4+A4", "D4+F#4+A4",
        "D4+F#4+A4",  "D4+F#4+B4", "D4+F#4+B4", "D4+G4+B4", "D4+G4+B4",  "E4+G4+B4",  "C#4+E4+A4",
        "D4+F#4+A4",  "D4+F#4+A4", "D4+G4+B4",  "D4+G4+B4", "C#4+E4+A4", "C#4+E4+A4", "C#4+F#4+A4",
        "C#4+F#4+A4", "D4+F#4+B4", "D4+F#4+B4", "D4+G4+B4", "D4+G4+B4",  "D4+F#4+A4", "D4+F#4+A4",
        "E4+G4+B4",   "E4+G4+B4",  "C#4+E4+A4", "C#4+G4+A4"};
    const Chords roots = {"D3", "D3", "G2", "G2", "A2", "A2", "D3", "D3", "B2", "B2",  "G2",
                          "G2", "E2", "A2", "D3", "D3", "G2", "G2", "A2", "A2", "F#2", "F#2",
                          "B2", "B2", "G2", "G2", "D3", "D3", "E2", "E2", "A2", "A2"};
    auto brass = voiceOf(in, &Instruments::brass);
    song.play(parseBars(fanfare, 64), brass, 0.45, 0.0, 0.92);
    // Answering chords under the tune: long-short-long.
    song.play(chordNotes(chords, 2, {0.75, 0.25, 1.0}, 0.55), brass, 0.1, -0.3, 0.8);
    song.play(chordNotes(chords, 2, {}, 0.5), voiceOf(in, &Instruments::strings), 0.07, 0.35);
    song.play(bassLine(roots, 2, {{0, 1.5}, {0, 0.5}}, -12, 0.8), voiceOf(in, &Instruments::bass),
              0.22, 0.0, 0.8);
    for (int bar = 0; bar < kBars; ++bar) {
        const double b0 = bar * 4.0;
        const int root = chordPitches(roots[static_cast<std::size_t>(bar * 2)]).front();
        song.hit(in.timpani(midiHz(root - 12), 0.9, random), b0, 0.2, 0.0);
        if (bar % 4 == 3)
            song.hit(in.timpani(midiHz(root - 12 + 7), 0.7, random), b0 + 3, 0.2, 0.0);
        song.hit(in.snare(0.5, random), b0 + 1, 0.12, 0.1);
        song.hit(in.snare(0.5, random), b0 + 3, 0.12, 0.1);
        if (bar % 8 == 7)
            for (int i = 0; i < 8; ++i)
                song.hit(in.snare(0.2 + 0.07 * i, random), b0 + 2 + 0.25 * i, 0.12, 0.1);
        if (bar % 8 == 0)
            song.hit(in.hat(0.8, true, random), b0, 0.25, 0.4);
        for (int i = 0; i < 4; ++i)
            song.hit(in.hat(0.35, false, random), b0 + i + 0.5, 0.14, -0.4);
    }
    addReverb(song.audio, 0.4, 0.82, 0.3);
    return std::move(song.audio);
}

Audio levelIntroMusic(const Instruments& in) {
    constexpr double kBars = 12;
    Song song(90, kBars * 4);
    Random random(0x5c0f);
    const Chords chords = {"E4+G4+B4", "E4+G4+C5", "E4+A4+C5", "D#4+F#4+B4",
                           "E4+G4+B4", "E4+G4+C5", "E4+A4+C5", "D#4+A4+B4",
                           "E4+G4+B4", "E4+G4+C5", "F4+A4+C5", "D#4+F#4+B4"};
    const Chords roots = {"E2", "C2", "A1", "B1", "E2", "C2", "A1", "B1", "E2", "C2", "F2", "B1"};
    const std::string line = "B5h. C6q | B5h G5h | A5h. C6q | B5w |"
                             "E6h. D#6q | E6h C6h | A5q B5q C6q E6q | D#6h. F#5q |"
                             "G5h. B5q | C6h E6h | F6h. E6e C6e | B5w";
    song.play(chordNotes(chords, 4, {}, 0.6), voiceOf(in, &Instruments::strings), 0.12, 0.0);
    song.play(parseBars(line, 48), voiceOf(in, &Instruments::flute), 0.14, 0.25, 0.95);
    // Pulsing low ostinato on the root, its octave and fifth.
    song.play(
        bassLine(roots, 4,
                 {{0, 0.5}, {0, 0.5}, {12, 0.5}, {0, 0.5}, {7, 0.5}, {0, 0.5}, {12, 0.5}, {7, 0.5}},
                 0, 0.8),
        voiceOf(in, &Instruments::bass), 0.3, 0.0, 0.5);
    for (int bar = 0; bar < kBars; ++bar) {
        const double b0 = bar * 4.0;
        for (int beat = 0; beat < 4; ++beat)
            song.hit(in.tick(beat == 0 ? 0.8 : 0.5, random), b0 + beat, 0.25, -0.5 + 0.33 * beat);
        // Heartbeat.
        song.hit(in.kick(0.8), b0, 0.4, 0.0);
        song.hit(in.kick(0.55), b0 + 0.5, 0.4, 0.0);
        if (bar % 4 == 3) {
            song.hit(in.timpani(midiHz(35), 0.8, random), b0, 0.3, 0.0);
            song.hit(in.timpani(midiHz(35), 0.6, random), b0 + 2, 0.3, 0.0);
        }
    }
    addReverb(song.audio, 0.45, 0.84, 0.35);
    return std::move(song.audio);
}

} // namespace content::sound

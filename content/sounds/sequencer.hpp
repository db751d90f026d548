// A small sequencer: notes written as text, played by an instrument into a looping song.
#pragma once

#include "content/sounds/synth.hpp"

#include <cstdint>
#include <string_view>
#include <vector>

namespace content::sound {

struct Note {
    double beat = 0;          // start, in beats from the song's start
    double beats = 1;         // length
    std::vector<int> pitches; // MIDI numbers; empty for a rest
    double velocity = 0.8;
};

// "C4" → 60; sharps with '#', flats with 'b'. Throws std::invalid_argument on a bad name.
int midiNumber(std::string_view name);
double midiHz(double midi);

// Space-separated notes, each: pitch (or 'r' for a rest, or pitches joined by '+'), then lengths
// w h q e s (summed, so "hq" is three beats), '.' dotted, 't' triplet, and '>' accent or '<' soft.
// Bars may be separated by '|'. Example: "E5e G5e C6q. re | C4+E4+G4h>".
struct Phrase {
    std::vector<Note> notes;
    double beats = 0; // written length, rests included
};
Phrase parsePhrase(std::string_view text, double startBeat = 0);
// Parses a phrase that must span exactly `beats`; throws std::invalid_argument otherwise.
std::vector<Note> parseBars(std::string_view text, double beats, double startBeat = 0);
// The pitches of one chord written as "C4+E4+G4".
std::vector<int> chordPitches(std::string_view chord);

// A stereo loop of a whole number of beats; a note is placed at the frame nearest its beat.
class Song {
  public:
    Song(double bpm, double beats);

    std::int64_t frameAt(double beat) const;
    double secondsFor(double beats) const { return beats * 60.0 / bpm_; }

    // Plays each note with `voice(hz, seconds, velocity)`; gate shortens notes (staccato).
    template <typename Voice>
    void play(const std::vector<Note>& notes, Voice&& voice, double gain, double pan,
              double gate = 1.0) {
        for (const Note& note : notes)
            for (int pitch : note.pitches)
                audio.addPanned(frameAt(note.beat),
                                voice(midiHz(pitch), secondsFor(note.beats * gate), note.velocity),
                                gain, pan);
    }

    // Places one sound at each of the given beats.
    void hit(const std::vector<float>& sound, double beat, double gain, double pan) {
        audio.addPanned(frameAt(beat), sound, gain, pan);
    }

    Audio audio;

  private:
    double bpm_;
};

} // namespace content::sound

#include "content/sounds/sequencer.hpp"

#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string>

namespace content::sound {

int midiNumber(std::string_view name) {
    static constexpr int kSemitone[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name: " + std::string(name));
    int semitone = kSemitone[name[0] - 'A'];
    std::size_t at = 1;
    if (name[at] == '#') {
        ++semitone;
        ++at;
    } else if (name[at] == 'b') {
        --semitone;
        ++at;
    }
    if (at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[at])))
        throw std::invalid_argument("bad note name: " + std::string(name));
    return 12 * (name[at] - '0' + 1) + semitone;
}

double midiHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

namespace {

double lengthOf(char c) {
    switch (c) {
    case 'w':
        return 4;
    case 'h':
        return 2;
    case 'q':
        return 1;
    case 'e':
        return 0.5;
    case 's':
        return 0.25;
    default:
        return 0;
    }
}

} // namespace

Phrase parsePhrase(std::string_view text, double startBeat) {
    std::vector<Note> notes;
    double beat = startBeat;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '|'))
            ++at;
        if (at == text.size())
            break;
        std::size_t end = text.find_first_of(" |", at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view token = text.substr(at, end - at);
        at = end;

        // The pitch part ends where the first length letter begins.
        std::size_t split = 0;
        while (split < token.size() && lengthOf(token[split]) == 0)
            ++split;
        if (token[0] == 'r')
            split = 1;
        Note note;
        note.beat = beat;
        note.beats = 0;
        std::string_view pitches = token.substr(0, split);
        if (pitches != "r") {
            std::size_t from = 0;
            while (from <= pitches.size()) {
                std::size_t plus = pitches.find('+', from);
                if (plus == std::string_view::npos)
                    plus = pitches.size();
                note.pitches.push_back(midiNumber(pitches.substr(from, plus - from)));
                from = plus + 1;
            }
        }
        for (std::size_t i = split; i < token.size(); ++i) {
            const char c = token[i];
            if (lengthOf(c) > 0)
                note.beats += lengthOf(c);
            else if (c == '.')
                note.beats *= 1.5;
            else if (c == 't')
                note.beats *= 2.0 / 3.0;
            else if (c == '>')
                note.velocity = 1.0;
            else if (c == '<')
                note.velocity = 0.55;
            else
                throw std::invalid_argument("bad note: " + std::string(token));
        }
        if (note.beats <= 0)
            throw std::invalid_argument("note without length: " + std::string(token));
        beat += note.beats;
        if (!note.pitches.empty())
            notes.push_back(note);
    }
    return {notes, beat - startBeat};
}

std::vector<Note> parseBars(std::string_view text, double beats, double startBeat) {
    Phrase phrase = parsePhrase(text, startBeat);
    if (std::abs(phrase.beats - beats) > 1e-6)
        throw std::invalid_argument("phrase of " + std::to_string(phrase.beats) + " beats where " +
                                    std::to_string(beats) +
                                    " belong: " + std::string(text.substr(0, 40)));
    return phrase.notes;
}

std::vector<int> chordPitches(std::string_view chord) {
    return parsePhrase(std::string(chord) + "q").notes.front().pitches;
}

Song::Song(double bpm, double beats)
    : audio(static_cast<std::size_t>(std::llround(beats * 60.0 / bpm * kSampleRate)), 2, true),
      bpm_(bpm) {}

std::int64_t Song::frameAt(double beat) const {
    return std::llround(beat * 60.0 / bpm_ * kSampleRate);
}

} // namespace content::sound

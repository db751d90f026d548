// The generator's own machinery: the note language, loops that wrap notes and filters around
// their end, loudness normalisation, and the snapping of start positions to open ground.
#include "content/data/ground.hpp"
#include "content/sounds/levels.hpp"
#include "content/sounds/sequencer.hpp"
#include "content/sounds/synth.hpp"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include <unistd.h>

namespace {

using namespace content::sound;
using content::data::Ground;
using content::data::Placement;
using content::data::Spot;

TEST(NoteLanguage, LengthsDotsTripletsChordsAndRests) {
    const Phrase p = parsePhrase("C4q D#5e. Bb3s | rq E4+G4+C5h> A4et<", 2.0);
    ASSERT_EQ(p.notes.size(), 5u);
    EXPECT_EQ(p.notes[0].pitches, std::vector<int>{60});
    EXPECT_DOUBLE_EQ(p.notes[0].beat, 2.0);
    EXPECT_EQ(p.notes[1].pitches, std::vector<int>{75});
    EXPECT_DOUBLE_EQ(p.notes[1].beats, 0.75);
    EXPECT_EQ(p.notes[2].pitches, std::vector<int>{58});
    EXPECT_DOUBLE_EQ(p.notes[3].beat, 2.0 + 1 + 0.75 + 0.25 + 1); // after the rest
    EXPECT_EQ(p.notes[3].pitches, (std::vector<int>{64, 67, 72}));
    EXPECT_DOUBLE_EQ(p.notes[3].velocity, 1.0);
    EXPECT_NEAR(p.notes[4].beats, 1.0 / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(p.notes[4].velocity, 0.55);
    EXPECT_NEAR(p.beats, 1 + 0.75 + 0.25 + 1 + 2 + 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(midiHz(69), 440.0, 1e-9);
}

TEST(NoteLanguage, RefusesBadNotesAndPhrasesOfTheWrongLength) {
    EXPECT_THROW(parsePhrase("H4q"), std::invalid_argument);
    EXPECT_THROW(parsePhrase("C4"), std::invalid_argument);
    EXPECT_THROW(parsePhrase("C4x"), std::invalid_argument);
    EXPECT_THROW(parseBars("C4q D4q", 4), std::invalid_argument);
    EXPECT_NO_THROW(parseBars("C4q D4q rh", 4));
}

TEST(LoopAudio, NotesRingingPastTheEndContinueAtTheStart) {
    Audio loop(100, 1, true), once(100, 1, false);
    const std::vector<float> voice(30, 1.0f);
    loop.addVoice(90, voice, 1, 1);
    once.addVoice(90, voice, 1, 1);
    EXPECT_FLOAT_EQ(loop.channels[0][95], 1.0f);
    EXPECT_FLOAT_EQ(loop.channels[0][19], 1.0f); // 10 at the end, 20 wrapped
    EXPECT_FLOAT_EQ(loop.channels[0][20], 0.0f);
    EXPECT_FLOAT_EQ(once.channels[0][5], 0.0f);
    loop.addVoice(-5, {2.0f}, 1, 1); // before the start lands near the end
    EXPECT_FLOAT_EQ(loop.channels[0][95], 3.0f);
}

TEST(LoopAudio, FilteringALoopKeepsItPeriodic) {
    // One period of a square wave, filtered as a loop, equals the steady state of the filter
    // running over many periods: the end flows into the start.
    const std::size_t n = 441;
    std::vector<float> period(n);
    for (std::size_t i = 0; i < n; ++i)
        period[i] = i < n / 2 ? 1.0f : -1.0f;
    std::vector<float> looped = period;
    filterLoop(looped, Biquad::lowPass(800, 0.7));
    Biquad steady = Biquad::lowPass(800, 0.7);
    for (int rep = 0; rep < 20; ++rep)
        for (float v : period)
            steady.process(v);
    for (std::size_t i = 0; i < n; ++i)
        EXPECT_NEAR(looped[i], steady.process(period[i]), 1e-4) << i;
}

// Strength of harmonic k in one cycle of a table.
double harmonic(const Wavetable& table, int k) {
    constexpr int n = 4096;
    double re = 0, im = 0;
    for (int i = 0; i < n; ++i) {
        const double v = table.at(static_cast<double>(i) / n);
        re += v * std::cos(2 * kPi * k * i / n);
        im += v * std::sin(2 * kPi * k * i / n);
    }
    return 2 * std::hypot(re, im) / n;
}

TEST(Waveforms, HighNotesCarryNoHarmonicsAboveTheAudibleBand) {
    const WavetableSet saw(harmonicSeries(40, 1.0));
    for (double hz : {55.0, 440.0, 1500.0, 4000.0}) {
        const Wavetable& table = saw.forPitch(hz);
        const int highest = static_cast<int>(18000.0 / hz);
        EXPECT_GT(harmonic(table, 1), 0.3) << hz;
        for (int k = highest + 1; k <= 40; ++k)
            EXPECT_LT(harmonic(table, k), 1e-3) << hz << " Hz, harmonic " << k;
    }
    // A low note keeps its full brightness.
    EXPECT_GT(harmonic(saw.forPitch(55.0), 40), 0.01);
}

TEST(Loudness, PeakAndRmsNormalisationHitTheirTargetsWithoutClipping) {
    Audio a(44100, 2, true);
    for (std::size_t i = 0; i < a.frames(); ++i) {
        a.channels[0][i] = static_cast<float>(0.1 * std::sin(2 * kPi * 440 * i / 44100.0));
        a.channels[1][i] = a.channels[0][i];
    }
    a.channels[0][100] = 0.9f; // one spike
    normaliseRms(a, -12.0, -1.0);
    EXPECT_LE(peakLevel(a), dbToGain(-1.0) + 1e-6);
    EXPECT_NEAR(gainToDb(rmsLevel(a)), -12.0, 0.2);
    normalisePeak(a, -3.0);
    EXPECT_NEAR(gainToDb(peakLevel(a)), -3.0, 1e-4);
}

// A 1024 × 768 mask, open except a red block and the given extras.
std::filesystem::path writeMask(void (*draw)(cairo_t*)) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1024, 768);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgba(cr, 1, 1, 0, 1);
    cairo_paint(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgba(cr, 1, 0, 0, 1);
    draw(cr);
    cairo_destroy(cr);
    const auto path = std::filesystem::temp_directory_path() /
                      ("brimzel-mask-" + std::to_string(::getpid()) + ".png");
    cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
    return path;
}

TEST(StartGround, SnapsIntoTheOpenAwayFromWallsAndThePull) {
    const auto path = writeMask([](cairo_t* cr) {
        cairo_rectangle(cr, 300, 200, 200, 200); // a wall block
        cairo_fill(cr);
    });
    const auto ground = Ground::fromMask(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(ground);
    EXPECT_EQ(ground->clearance(400, 300), 0.0);
    EXPECT_NEAR(ground->clearance(250, 300), 50.0, 2.0);
    EXPECT_LE(ground->clearance(850, 300), 10.0); // the side panel begins at 860

    // Wanted inside the wall: the nearest spot with 60 px of room is left of or above it.
    const Placement room{60, {700, 600}, 100, {}, 0};
    const auto inWall = ground->snap({400, 300}, room);
    ASSERT_TRUE(inWall);
    EXPECT_GE(ground->clearance(static_cast<int>(inWall->x), static_cast<int>(inWall->y)), 60.0);
    EXPECT_NEAR(std::hypot(inWall->x - 400, inWall->y - 300), 160.0, 4.0);

    // Wanted on the gravitation point: pushed out to the required distance.
    const auto onPull = ground->snap({700, 600}, room);
    ASSERT_TRUE(onPull);
    EXPECT_GE(std::hypot(onPull->x - 700, onPull->y - 600), 100.0);
    EXPECT_LE(std::hypot(onPull->x - 700, onPull->y - 600), 104.0);

    // A spot already taken by another insect is avoided.
    const Placement apart{60, {700, 600}, 100, {{150, 600}}, 120};
    const auto beside = ground->snap({150, 600}, apart);
    ASSERT_TRUE(beside);
    EXPECT_GE(std::hypot(beside->x - 150, beside->y - 600), 120.0);
}

TEST(StartGround, KeepsToTheLargestRoamableRegion) {
    // A walled-off pocket in the top-left corner: nothing is placed inside it.
    const auto path = writeMask([](cairo_t* cr) {
        cairo_rectangle(cr, 0, 250, 260, 20);
        cairo_rectangle(cr, 250, 0, 20, 270);
        cairo_fill(cr);
    });
    const auto ground = Ground::fromMask(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(ground);
    EXPECT_FALSE(ground->inMainRegion(120, 120));
    EXPECT_TRUE(ground->inMainRegion(600, 500));
    const auto spot = ground->snap({120, 120}, Placement{50, {700, 600}, 100, {}, 0});
    ASSERT_TRUE(spot);
    EXPECT_TRUE(spot->x > 270 || spot->y > 270);
}

TEST(StartGround, RefusesAMaskOfTheWrongSize) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 64, 64);
    const auto path = std::filesystem::temp_directory_path() /
                      ("brimzel-small-" + std::to_string(::getpid()) + ".png");
    cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
    EXPECT_FALSE(Ground::fromMask(path));
    EXPECT_FALSE(Ground::fromMask(path.string() + ".missing"));
    std::filesystem::remove(path);
}

} // namespace

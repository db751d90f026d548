// Sound effects: insect buzz loops and the short one-shot sounds of play and the menus. Levels
// are set by the caller.
#pragma once

#include "content/sounds/instruments.hpp"
#include "content/sounds/synth.hpp"

#include <vector>

namespace content::sound {

// A buzz that loops without a seam: every frequency and modulation rate is a whole multiple of
// 1 / seconds, so the waveform's end flows into its start, and its filters run around the loop.
struct BuzzSpec {
    double seconds = 2.0;
    double hz = 200;     // wing-beat fundamental
    double secondHz = 0; // a second wing voice (beating against the first); 0 for none
    std::vector<double> harmonics;
    struct Wobble {
        double rateHz;
        double depthHz;
    };
    std::vector<Wobble> wobbles; // slow pitch drifts of the flight
    double flutterHz = 0;        // amplitude flutter
    double flutterDepth = 0;
    double formantHz = 1000; // body resonance
    double formantQ = 1.5;
    double brightHz = 6000; // low-pass of the whole
    double noise = 0;       // wing hiss, relative level
    double noiseHz = 4000;
    std::uint64_t seed = 1;
};
Audio buzzLoop(const BuzzSpec& recipe);

BuzzSpec flyBuzz();
BuzzSpec waspBuzz();
BuzzSpec gnatBuzz();
BuzzSpec hornetBuzz();

Audio collectChime(const Instruments& in);  // a bubble taken
Audio healthChime(const Instruments& in);   // a health bubble taken
Audio messageChime(const Instruments& in);  // a tutorial panel appears
Audio menuChoice(const Instruments& in);    // top menu item changed
Audio menuSelect(const Instruments& in);    // submenu opened or closed
Audio menuConfirm(const Instruments& in);   // confirm
Audio panelChoice(const Instruments& in);   // pause or end-screen selection moved
Audio valueChange(const Instruments& in);   // a value changed with Left or Right
Audio submenuChoice(const Instruments& in); // submenu row changed

} // namespace content::sound

// The scripted clock makes every run repeatable: it must add up exactly.
#include "test_support.hpp"

#include <SDL_timer.h>

using namespace engine;
using namespace enginetest;

namespace {

TEST(ScriptedClock, AccumulatesWithoutDrift) {
    auto e = headless(8, 8);
    e->useScriptedClock(16.6667f);
    const std::uint32_t start = e->tick();
    for (int i = 0; i < 1000; ++i) {
        e->clear();
        e->present();
        EXPECT_FLOAT_EQ(e->elapsedMs(), 16.6667f);
    }
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(e->tick(), 16666u);
    // Sixty frames of a sixtieth of a second are one second, not 999 ms.
    e->useScriptedClock(1000.0f / 60.0f);
    const std::uint32_t second = e->tick();
    for (int i = 0; i < 60; ++i)
        e->present();
    EXPECT_EQ(e->tick() - second, 1000u);
}

TEST(ScriptedClock, StartsAtZeroSoEveryRunSeesTheSameTicks) {
    auto e = headless(8, 8);
    e->present();
    SDL_Delay(3); // real time passes before the script takes over
    e->useScriptedClock(20.0f);
    EXPECT_EQ(e->tick(), 0u);
    e->present();
    e->useScriptedClock(5.0f); // a new step continues from the tick reached
    e->present();
    EXPECT_EQ(e->tick(), 25u);
}

TEST(ScriptedClock, TickStandsStillWithinAFrame) {
    auto e = headless(8, 8);
    e->useScriptedClock(10.0f);
    const std::uint32_t t = e->tick();
    e->clear();
    EXPECT_EQ(e->tick(), t);
    e->present();
    EXPECT_EQ(e->tick(), t + 10);
}

TEST(RealClock, MovesForwardOnlyWhenAFramePresents) {
    // A recording keeps one tick per frame: a tick that moved within a frame could not repeat.
    auto e = headless(8, 8);
    e->present();
    const std::uint32_t before = e->tick();
    SDL_Delay(5);
    EXPECT_EQ(e->tick(), before);
    e->present();
    EXPECT_GE(e->elapsedMs(), 5.0f);
    EXPECT_GE(e->tick(), before + 5);
}

TEST(SetClock, HoldsItsValuesAndAScriptedStepContinuesFromThem) {
    auto e = headless(8, 8);
    e->setClock(12.5f, 70000u);
    e->present();
    e->present();
    EXPECT_EQ(e->elapsedMs(), 12.5f);
    EXPECT_EQ(e->tick(), 70000u);
    e->useScriptedClock(10.0f);
    e->present();
    EXPECT_EQ(e->tick(), 70010u);
}

} // namespace

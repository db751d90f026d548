// The clock, score count-up, energy gain and drain, and the bubbles' timers.
#include "game/gameplay/level_rules.hpp"
#include "game/gameplay/scoring.hpp"
#include "gameplay_test_support.hpp"

#include <gtest/gtest.h>

using namespace gameplay_test;

TEST(LevelClock, CountsDownEachFullSecondAndLosesAtZero) {
    Fixture f;
    f.state.gameMode = 1;
    f.state.minutes = 1;
    f.state.seconds = 0;
    f.state.clockTick = f.e().tick();
    f.e().setTick(f.state.clockTick + 1000);
    gameplay::clockStep(f.state);
    EXPECT_EQ(f.state.seconds, 0) << "fires only when strictly more than a second has passed";
    f.e().setTick(f.state.clockTick + 1001);
    gameplay::clockStep(f.state);
    EXPECT_EQ(f.state.minutes, 0);
    EXPECT_EQ(f.state.seconds, 59);

    f.state.seconds = 0;
    f.e().setTick(f.e().tick() + 1001);
    gameplay::clockStep(f.state);
    EXPECT_TRUE(f.state.levelLost);
    EXPECT_EQ(f.state.minutes, 0);
    EXPECT_EQ(f.state.seconds, 0);
}

TEST(LevelClock, TimeAttackCountsUpEvenInTheTutorial) {
    Fixture f;
    f.state.gameMode = 3;
    f.state.tutorialActive = true;
    f.state.seconds = 59;
    f.e().advance(1001);
    gameplay::clockStep(f.state);
    EXPECT_EQ(f.state.minutes, 1);
    EXPECT_EQ(f.state.seconds, 0);
}

TEST(Energy, PendingEnergyFillsUpToAHundredAndIsUsedUp) {
    Fixture f;
    f.state.energy = 95;
    f.state.energyPending = 10;
    for (int i = 0; i < 20; ++i) {
        f.e().advance(21);
        gameplay::scoreStep(f.state);
    }
    EXPECT_EQ(f.state.energy, 100);
    EXPECT_EQ(f.state.energyPending, 0);
}

TEST(Energy, DrainTakesOnePointEveryFortyOneMilliseconds) {
    Fixture f;
    f.state.gravityDrain = true;
    f.state.energyDrainTick = f.e().tick();
    for (int ms = 0; ms < 410; ++ms) {
        f.e().advance(1);
        gameplay::scoreStep(f.state);
    }
    EXPECT_EQ(f.state.energy, 90);
    EXPECT_FALSE(f.state.levelLost);
}

TEST(Energy, EmptyBarLosesOnlyAtTheNextDrainStep) {
    Fixture f;
    f.state.energy = 0;
    f.e().advance(100);
    gameplay::scoreStep(f.state);
    EXPECT_FALSE(f.state.levelLost);

    f.state.enemyDrain = true;
    gameplay::scoreStep(f.state);
    EXPECT_TRUE(f.state.levelLost);
    EXPECT_EQ(f.state.energy, 0);

    // A won level is not lost by a drain catching up with it.
    Fixture g;
    g.state.energy = 0;
    g.state.levelWon = true;
    g.state.gravityDrain = true;
    g.e().advance(100);
    gameplay::scoreStep(g.state);
    EXPECT_FALSE(g.state.levelLost);
}

TEST(Score, DisplayCountsUpByTwoAndLandsOnTheScore) {
    Fixture f;
    f.state.displayedScore = 100;
    gameplay::addPoints(f.state, 5);
    EXPECT_EQ(f.state.score, 105);
    gameplay::addPoints(f.state, 20); // while counting, added to the target
    EXPECT_EQ(f.state.score, 125);
    int steps = 0;
    while (f.state.scoreCounting && steps < 100) {
        f.e().advance(21);
        gameplay::scoreStep(f.state);
        ++steps;
    }
    EXPECT_EQ(f.state.displayedScore, 125);
    EXPECT_EQ(steps, 13);
}

TEST(Score, StopsAtTheSixteenBitLimitInsteadOfWrapping) {
    Fixture f;
    f.state.displayedScore = 32700;
    gameplay::addPoints(f.state, 65);
    EXPECT_EQ(f.state.score, 32765);
    gameplay::addPoints(f.state, 5999);
    EXPECT_EQ(f.state.score, 32767);
}

TEST(BubbleTimers, UntakenHealthBubbleLastsFourSecondsAndATakenOneFades) {
    Fixture f;
    f.state.healthBubbleActive = true;
    f.state.healthBubbleLastRoll = f.e().tick();
    f.e().setTick(f.e().tick() + 4000);
    gameplay::healthBubbleStep(f.state);
    EXPECT_TRUE(f.state.healthBubbleActive);
    f.e().setTick(f.e().tick() + 1);
    gameplay::healthBubbleStep(f.state);
    EXPECT_FALSE(f.state.healthBubbleActive);

    f.state.healthBubbleActive = true;
    f.state.healthBubbleFading = true;
    f.state.healthBubbleAlpha = 1;
    f.e().setElapsed(50);
    for (int i = 0; i < 3; ++i)
        gameplay::healthBubbleStep(f.state);
    EXPECT_TRUE(f.state.healthBubbleFading);
    gameplay::healthBubbleStep(f.state);
    EXPECT_FALSE(f.state.healthBubbleFading);
    EXPECT_FALSE(f.state.healthBubbleActive);
    EXPECT_DOUBLE_EQ(f.state.healthBubbleAlpha, 0);
}

// Bubbles: placement on open ground, pick-ups, points, the win, health bubbles.
#include "game/gameplay/bubble_pickups.hpp"
#include "game/gameplay/bubble_placement.hpp"
#include "game/gameplay/fly_collision.hpp"
#include "gameplay_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace gameplay_test;

namespace {

// A mask of passable ground without bubble spots.
Fixture groundOnly() {
    Fixture f;
    f.paintMask(0, 0, 1024, 768, kGround);
    return f;
}

// The fly heading up at (430, 384): its front-centre probe is at (430, 344).
void bubbleUnderTheFly(Fixture& f) {
    f.state.heldKeys.up = true;
    f.state.bubbleX = 430;
    f.state.bubbleY = 344;
    f.state.bubbleVisible = true;
}

} // namespace

TEST(BubblePlacement, OnlyOnOpenGroundAwayFromTheFly) {
    Fixture f = groundOnly();
    f.paintMask(600, 100, 700, 200, kOpen);
    f.paintMask(400, 350, 460, 420, kOpen); // under the fly: too near
    for (int i = 0; i < 20; ++i) {
        placeBubble(f.state);
        ASSERT_TRUE(f.state.bubbleVisible);
        EXPECT_GE(f.state.bubbleX, 600);
        EXPECT_LT(f.state.bubbleX, 700);
        EXPECT_GE(f.state.bubbleY, 100);
        EXPECT_LT(f.state.bubbleY, 200);
    }
}

TEST(BubblePlacement, FindsASinglePixelOfOpenGround) {
    Fixture f = groundOnly();
    f.paintMask(10, 600, 11, 601, kOpen);
    placeBubble(f.state);
    EXPECT_TRUE(f.state.bubbleVisible);
    EXPECT_EQ(f.state.bubbleX, 10);
    EXPECT_EQ(f.state.bubbleY, 600);
    EXPECT_FALSE(f.state.levelLoadFailed);
}

TEST(BubblePlacement, OpenGroundOnlyNearTheFlyStillGetsTheBubble) {
    Fixture f = groundOnly();
    f.paintMask(420, 374, 441, 395, kOpen);
    placeBubble(f.state);
    EXPECT_TRUE(f.state.bubbleVisible);
    EXPECT_FALSE(f.state.levelLoadFailed);
    // The open pixel farthest from the fly.
    EXPECT_NEAR(std::hypot(f.state.bubbleX - 430.0, f.state.bubbleY - 384.0), std::hypot(10, 10),
                1e-9);
}

TEST(BubblePlacement, MaskWithoutOpenGroundIsReportedNotLoopedOn) {
    Fixture f = groundOnly();
    placeBubble(f.state);
    EXPECT_FALSE(f.state.bubbleVisible);
    EXPECT_TRUE(f.state.levelLoadFailed);
    EXPECT_NE(f.state.levelError.find("map1_mask"), std::string::npos);

    Fixture g;
    g.state.mapNumber = 5; // no mask loaded for it
    placeBubble(g.state);
    EXPECT_FALSE(g.state.bubbleVisible);
    EXPECT_TRUE(g.state.levelLoadFailed);
}

TEST(BubblePickup, TakenBubbleScoresTwentyAndMovesOn) {
    Fixture f;
    f.state.bubblesTotal = 5;
    bubbleUnderTheFly(f);
    CheckCollision(f.state);
    EXPECT_EQ(f.state.bubblesCollected, 1);
    EXPECT_EQ(f.state.score, 20);
    EXPECT_TRUE(f.state.scoreCounting);
    EXPECT_TRUE(f.state.bubbleVisible);
    EXPECT_GE(std::hypot(f.state.bubbleX - 430.0, f.state.bubbleY - 384.0), 100);
    EXPECT_TRUE(f.state.poppedHalves[1].active);
    EXPECT_DOUBLE_EQ(f.state.poppedHalves[1].leftX, 430);
}

TEST(BubblePickup, LastBubbleWinsTheScenarioAndCreditsTheSecondsLeft) {
    Fixture f;
    f.state.gameMode = 1;
    f.state.bubblesTotal = 3;
    f.state.bubblesCollected = 2;
    f.state.minutes = 1;
    f.state.seconds = 5;
    bubbleUnderTheFly(f);
    CheckCollision(f.state);
    EXPECT_TRUE(f.state.levelWon);
    EXPECT_EQ(f.state.timeBonus, 65);
    EXPECT_EQ(f.state.score, 85);
    EXPECT_FALSE(f.state.bubbleVisible);
    EXPECT_EQ(f.state.minutes, 1) << "the win leaves the clock alone";

    // Decided: nothing more is taken.
    CheckCollision(f.state);
    EXPECT_EQ(f.state.bubblesCollected, 3);
}

TEST(BubblePickup, TimeAttackCreditsOnlyTimeUnderTheLimit) {
    auto finish = [](int minutes, int seconds) {
        Fixture f;
        f.state.gameMode = 3;
        f.state.bubblesTotal = 1;
        f.state.timeLimitMinutes = 2;
        f.state.timeLimitSeconds = 30;
        f.state.minutes = static_cast<std::int16_t>(minutes);
        f.state.seconds = static_cast<std::int16_t>(seconds);
        bubbleUnderTheFly(f);
        CheckCollision(f.state);
        EXPECT_TRUE(f.state.levelWon);
        EXPECT_TRUE(f.state.bubbleVisible);
        return f.state.score;
    };
    EXPECT_EQ(finish(2, 0), 20 + 30);
    EXPECT_EQ(finish(2, 40), 20);
}

TEST(BubblePickup, BubbleMatchGoesOnPastTheLevelsCount) {
    Fixture f;
    f.state.gameMode = 2;
    f.state.bubblesTotal = 1;
    bubbleUnderTheFly(f);
    CheckCollision(f.state);
    EXPECT_FALSE(f.state.levelWon);
    EXPECT_EQ(f.state.bubblesCollected, 1);
    // A new bubble away from the fly, so the one taken is not counted twice.
    CheckCollision(f.state);
    EXPECT_EQ(f.state.bubblesCollected, 1);
    EXPECT_EQ(f.state.score, 20);
}

TEST(BubblePickup, BubbleAndHealthBubbleInOneFrameGiveBoth) {
    Fixture f;
    f.state.bubblesTotal = 5;
    f.state.energy = 95;
    bubbleUnderTheFly(f);
    f.state.healthBubbleActive = true;
    f.state.healthBubbleX = 440;
    f.state.healthBubbleY = 344;
    CheckCollision(f.state);
    EXPECT_EQ(f.state.score, 25);
    EXPECT_EQ(f.state.energyPending, 10);
    EXPECT_TRUE(f.state.healthBubbleFading);
    EXPECT_EQ(f.state.bubblesCollected, 1);
}

TEST(BubblePickup, BusyPoppedHalvesStillCountTheBubble) {
    Fixture f;
    f.state.bubblesTotal = 5;
    for (int i = 1; i <= kPoppedHalfSlots; ++i)
        f.state.poppedHalves[i].active = true;
    f.state.poppedHalves[3].leftX = 7;
    bubbleUnderTheFly(f);
    CheckCollision(f.state);
    EXPECT_EQ(f.state.bubblesCollected, 1);
    EXPECT_DOUBLE_EQ(f.state.poppedHalves[3].leftX, 7);
}

TEST(BubblePickup, TutorialCountsItsOwnBubblesWithoutPoints) {
    Fixture f;
    f.state.tutorialActive = true;
    f.state.tutorialStep = 2;
    f.state.bubblesTotal = 1;
    bubbleUnderTheFly(f);
    CheckCollision(f.state);
    EXPECT_EQ(f.state.tutorialBubbles, 1);
    EXPECT_EQ(f.state.bubblesCollected, 0);
    EXPECT_EQ(f.state.score, 0);
    EXPECT_FALSE(f.state.levelWon);
    EXPECT_FALSE(f.state.poppedHalves[1].active); // halves and new bubbles from step 3 on
}

TEST(HealthBubbleSpawn, LandsOnOpenGroundOrGivesTheRollUp) {
    Fixture f = groundOnly();
    f.paintMask(700, 500, 702, 502, kOpen); // rarely hit at random
    f.state.healthBubbleSpawning = true;
    for (int frame = 0; frame < gameplay::kHealthSpawnFrames && !f.state.healthBubbleActive;
         ++frame)
        gameplay::healthBubbleSpawnStep(f.state);
    EXPECT_TRUE(f.state.healthBubbleActive);
    EXPECT_FALSE(f.state.healthBubbleSpawning);
    EXPECT_GE(f.state.healthBubbleX, 700);
    EXPECT_LE(f.state.healthBubbleX, 701);

    Fixture g = groundOnly();
    g.state.healthBubbleSpawning = true;
    for (int frame = 0; frame < gameplay::kHealthSpawnFrames; ++frame)
        gameplay::healthBubbleSpawnStep(g.state);
    EXPECT_FALSE(g.state.healthBubbleSpawning);
    EXPECT_FALSE(g.state.healthBubbleActive);
    EXPECT_EQ(g.state.healthBubbleLastRoll, g.e().tick());
}

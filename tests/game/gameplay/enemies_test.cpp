// Enemies: chase direction, turns, bounces, chase start and end, contact drain, animation.
#include "game/gameplay/enemies.hpp"
#include "game/gameplay/fly_collision.hpp"
#include "gameplay_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace gameplay_test;

namespace {

// One wasp (sprite 120 x 80) that neither notices the fly nor moves unless a test says so.
void addWasp(Fixture& f, int slot, double x, double y, double angle) {
    GameState& s = f.state;
    s.enemyCount = static_cast<std::int16_t>(std::max<int>(s.enemyCount, slot));
    s.enemyKind[slot] = 1;
    s.enemyX[slot] = x;
    s.enemyY[slot] = y;
    s.enemyAngle[slot] = s.enemyTargetAngle[slot] = angle;
    s.enemyReaction[slot] = 0;
    s.enemySpeed[slot] = 0;
    s.enemyFollowSpeed[slot] = 0.2;
    s.enemyFollowTime[slot] = 3000;
    s.enemySleepTime[slot] = 2000;
}

} // namespace

TEST(Enemies, ChaseDirectionPointsAtTheFlyAndStaysFiniteOnTheAxes) {
    using gameplay::chaseDirection;
    EXPECT_DOUBLE_EQ(chaseDirection(100, 0), 90);
    EXPECT_DOUBLE_EQ(chaseDirection(-100, 0), 270);
    EXPECT_DOUBLE_EQ(chaseDirection(0, 100), 180);
    EXPECT_DOUBLE_EQ(chaseDirection(0, -100), 0);
    EXPECT_DOUBLE_EQ(chaseDirection(0, 0), 90);
    EXPECT_NEAR(chaseDirection(50, -50), 45, 1e-9);
    EXPECT_NEAR(chaseDirection(50, 50), 135, 1e-9);
    EXPECT_NEAR(chaseDirection(-50, 50), 225, 1e-9);
    EXPECT_NEAR(chaseDirection(-50, -50), 315, 1e-9);
}

TEST(Enemies, BounceOffTheBottomBorderMirrorsTheHeading) {
    Fixture f;
    addWasp(f, 1, 400, 730, 225); // front-left probe 42 px below the centre
    gameplay::enemySensingStep(f.state);
    EXPECT_TRUE(f.state.enemyTurning[1]);
    EXPECT_EQ(f.state.enemyTurnDir[1], 1);
    EXPECT_DOUBLE_EQ(f.state.enemyTargetAngle[1], 315);
}

TEST(Enemies, BounceOffAWallTurnsRoundAndMovesAway) {
    Fixture f;
    addWasp(f, 1, 300, 300, 90);
    f.state.enemySpeed[1] = 0.1;
    f.paintMask(320, 250, 400, 350, kWall); // in front when heading right
    gameplay::enemySensingStep(f.state);
    EXPECT_DOUBLE_EQ(f.state.enemyTargetAngle[1], 270);
    EXPECT_EQ(f.state.enemyTurnDir[1], 1);
    f.e().setElapsed(10);
    gameplay::enemyMotionStep(f.state);
    EXPECT_NEAR(f.state.enemyX[1], 299, 1e-9);
}

TEST(Enemies, ChaseStartsOnlyStrictlyInsideTheReactionDistance) {
    Fixture f;
    addWasp(f, 1, 230, 384, 0); // 200 px left of the fly
    f.state.enemyReaction[1] = 200;
    gameplay::enemySensingStep(f.state);
    EXPECT_FALSE(f.state.enemyFollowing[1]);

    f.state.enemyReaction[1] = 201;
    gameplay::enemySensingStep(f.state);
    EXPECT_TRUE(f.state.enemyFollowing[1]);
    EXPECT_TRUE(f.state.enemyTurning[1]);
    EXPECT_EQ(f.state.enemyTimer[1], f.e().tick());

    // The fly straight to the right: the chase heads 90 and the wasp closes in.
    f.e().setElapsed(10);
    for (int i = 0; i < 40; ++i) {
        f.e().advance(10);
        gameplay::enemyMotionStep(f.state);
    }
    EXPECT_NEAR(f.state.enemyTargetAngle[1], 90, 1e-9);
    EXPECT_TRUE(f.state.enemyLocked[1]);
    EXPECT_GT(f.state.enemyX[1], 230 + 70);
}

TEST(Enemies, ChaseEndsAfterFollowTimeThenRestsThenWakes) {
    Fixture f;
    addWasp(f, 1, 230, 384, 90);
    f.state.enemyReaction[1] = 300;
    gameplay::enemySensingStep(f.state);
    const std::uint32_t start = f.e().tick();
    f.e().setTick(start + 3000);
    gameplay::enemyMotionStep(f.state);
    EXPECT_TRUE(f.state.enemyFollowing[1]) << "the limit is strictly exceeded";
    f.e().setTick(start + 3001);
    gameplay::enemyMotionStep(f.state);
    EXPECT_FALSE(f.state.enemyFollowing[1]);
    EXPECT_TRUE(f.state.enemySleeping[1]);

    // Resting: no new chase although the fly is near.
    gameplay::enemySensingStep(f.state);
    EXPECT_FALSE(f.state.enemyFollowing[1]);
    f.e().setTick(start + 3001 + 2001);
    gameplay::enemyMotionStep(f.state);
    EXPECT_FALSE(f.state.enemySleeping[1]);
    gameplay::enemySensingStep(f.state);
    EXPECT_TRUE(f.state.enemyFollowing[1]);
}

TEST(Enemies, AnyEnemyTouchingTheFlyDrains) {
    Fixture f;
    f.state.heldKeys.up = true;
    CheckCollision(f.state); // the fly's probes around (430, 384)
    addWasp(f, 1, 430, 384, 0);
    addWasp(f, 2, 100, 100, 0); // far away, after the touching one
    gameplay::enemySensingStep(f.state);
    EXPECT_TRUE(f.state.enemyDrain);

    f.state.enemyX[1] = 700;
    gameplay::enemySensingStep(f.state);
    EXPECT_FALSE(f.state.enemyDrain);
}

TEST(Enemies, WingsRunUpAndDownTheFrames) {
    Fixture f;
    addWasp(f, 1, 300, 300, 0);
    std::string shown;
    for (int i = 0; i < 10; ++i) {
        f.e().advance(11);
        gameplay::enemyMotionStep(f.state);
        shown += std::to_string(f.state.enemyFrame[1]);
    }
    EXPECT_EQ(shown, "2345432123");
    EXPECT_EQ(f.state.enemyFrameKey[1], "wasp_m3");
}

TEST(Enemies, RandomTurnEveryEightSecondsIsRepeatable) {
    auto run = [] {
        Fixture f;
        f.state.rng.seed(42);
        for (int i = 1; i <= 3; ++i)
            addWasp(f, i, 200.0 * i, 300, 0);
        f.e().advance(8001);
        f.state.enemyWanderTick = f.e().tick() - 8001;
        gameplay::enemyMotionStep(f.state);
        return std::array<double, 3>{f.state.enemyTargetAngle[1], f.state.enemyTargetAngle[2],
                                     f.state.enemyTargetAngle[3]};
    };
    const auto first = run();
    EXPECT_EQ(first, run());
    EXPECT_FALSE(first[0] == first[1] && first[1] == first[2]) << "each enemy draws anew";
}

TEST(Enemies, EnemyThatSlippedOutOfTheFieldComesBack) {
    Fixture f;
    addWasp(f, 1, 900, 384, 90); // beyond the right border, heading further out
    addWasp(f, 2, 300, -60, 0);  // above the top, heading up
    f.state.enemySpeed[1] = f.state.enemySpeed[2] = 0.1;
    f.e().setElapsed(16);
    for (int i = 0; i < 100; ++i) {
        f.e().advance(16);
        gameplay::enemySensingStep(f.state);
        gameplay::enemyMotionStep(f.state);
    }
    EXPECT_LT(f.state.enemyX[1], 860);
    EXPECT_GT(f.state.enemyY[2], 0);
}

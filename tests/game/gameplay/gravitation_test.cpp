// The gravitation point: danger radius, direction, pull along the line, walls.
#include "game/gameplay/gravity.hpp"
#include "gameplay_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace gameplay_test;

namespace {

Fixture atDistance(double dx, double dy) {
    Fixture f;
    f.state.gravityX = 400;
    f.state.gravityY = 400;
    f.state.flyX = 400 + dx;
    f.state.flyY = 400 + dy;
    f.e().setElapsed(10);
    return f;
}

} // namespace

TEST(Gravitation, DrainStartsAtSeventyPixelsAndStopsBeyond) {
    Fixture f = atDistance(70, 0);
    gameplay::gravityStep(f.state);
    EXPECT_TRUE(f.state.gravityDrain);
    EXPECT_TRUE(f.state.alertActive);

    f.state.flyX = 470.01;
    f.state.flyY = 400;
    gameplay::gravityStep(f.state);
    EXPECT_FALSE(f.state.gravityDrain);
    EXPECT_FALSE(f.state.alertActive);
}

TEST(Gravitation, DirectionPointsFromTheFlyToThePoint) {
    using gameplay::gravityDirection;
    EXPECT_DOUBLE_EQ(gravityDirection(10, 0), 270);   // point to the left
    EXPECT_DOUBLE_EQ(gravityDirection(-10, 0), 90);   // point to the right
    EXPECT_DOUBLE_EQ(gravityDirection(0, -10), 180);  // point below
    EXPECT_DOUBLE_EQ(gravityDirection(0, 10), 0);     // point above
    EXPECT_NEAR(gravityDirection(10, 10), 315, 1e-9); // up and left
    EXPECT_NEAR(gravityDirection(-10, -10), 135, 1e-9);
    EXPECT_DOUBLE_EQ(gravityDirection(0, 0), 90); // on the point: defined, not NaN
}

TEST(Gravitation, PullsAlongTheLineTowardsThePoint) {
    Fixture f = atDistance(100, 50);
    gameplay::gravityStep(f.state);
    const double pull = 0.3 - std::hypot(100, 50) / (700 / 0.21);
    EXPECT_NEAR(f.state.gravityPull, pull, 1e-12);
    EXPECT_NEAR(f.state.flyX, 500 - 10 * pull, 1e-9);
    EXPECT_NEAR(f.state.flyY, 450 - 10 * pull * 0.5, 1e-9);

    Fixture g = atDistance(-30, -120); // longer axis y, point below and right
    gameplay::gravityStep(g.state);
    EXPECT_GT(g.state.flyY, 280);
    EXPECT_GT(g.state.flyX, 370);
}

TEST(Gravitation, FlyOnThePointStaysFinite) {
    Fixture f = atDistance(0, 0);
    gameplay::gravityStep(f.state);
    EXPECT_DOUBLE_EQ(f.state.gravityPull, 0.3);
    EXPECT_DOUBLE_EQ(f.state.flyX, 400);
    EXPECT_DOUBLE_EQ(f.state.flyY, 400);
    EXPECT_TRUE(std::isfinite(f.state.gravityAngle));
}

TEST(Gravitation, PullIsZeroAtAThousandPixels) {
    Fixture f = atDistance(-1000, 0);
    f.state.gravityX = 1100;
    f.state.flyX = 100;
    gameplay::gravityStep(f.state);
    EXPECT_NEAR(f.state.gravityPull, 0.0, 1e-12);
    EXPECT_NEAR(f.state.flyX, 100, 1e-9);
}

TEST(Gravitation, WallUnderAPullProbeStopsThePull) {
    Fixture f = atDistance(200, 0);
    f.paintMask(500, 300, 510, 310, kWall);
    f.state.pullProbes[3] = {505, 305};
    gameplay::gravityStep(f.state);
    EXPECT_TRUE(f.state.pullBlocked);
    EXPECT_DOUBLE_EQ(f.state.flyX, 600);

    // Probes on or beyond the top or left edge are not sampled.
    f.paintMask(0, 0, 1024, 1, kWall);
    f.state.pullProbes[3] = {505, 0};
    gameplay::gravityStep(f.state);
    EXPECT_FALSE(f.state.pullBlocked);
}

// The fly's flight: held keys, turning windows and their rounding, gliding, key combinations,
// borders and walls.
#include "game/gameplay/fly_collision.hpp"
#include "game/gameplay/fly_movement.hpp"
#include "gameplay_test_support.hpp"

#include <gtest/gtest.h>

using namespace gameplay_test;

namespace {

void playFrame(Fixture& f, float ms) {
    f.e().advance(ms);
    CheckCollision(f.state);
    MoveFly(f.state);
}

} // namespace

TEST(FlyFlight, HeldRightMovesSevenPointTwoAndTurnsElevenDegreesPerFrame) {
    Fixture f;
    f.hold(engine::key::Right);
    playFrame(f, 16); // the keys are read at the end of a frame
    const double x0 = f.state.flyX;
    playFrame(f, 16);
    EXPECT_NEAR(f.state.flyX - x0, 7.2, 1e-9);
    EXPECT_EQ(f.state.flyAngle, 11);
    playFrame(f, 16);
    EXPECT_EQ(f.state.flyAngle, 22);
    EXPECT_DOUBLE_EQ(f.state.flyY, 384);
    for (int i = 0; i < 20; ++i)
        playFrame(f, 16);
    EXPECT_EQ(f.state.flyAngle, 90);
    EXPECT_TRUE(f.state.angleSettled);
}

TEST(FlyFlight, TurnStepRoundsHalvesToEven) {
    Fixture f;
    f.state.turnRate = 0.5;
    f.hold(engine::key::Right);
    playFrame(f, 16);
    playFrame(f, 5); // 2.5 degrees
    EXPECT_EQ(f.state.flyAngle, 2);
    playFrame(f, 7); // 3.5 degrees
    EXPECT_EQ(f.state.flyAngle, 6);
}

TEST(FlyFlight, VeryShortFramesStillTurn) {
    Fixture f;
    f.hold(engine::key::Right);
    playFrame(f, 16);
    for (int i = 0; i < 100; ++i)
        playFrame(f, 0.25f); // 0.175 degrees a frame, never a whole degree on its own
    EXPECT_GE(f.state.flyAngle, 15);
    EXPECT_LE(f.state.flyAngle, 19);
}

struct TurnCase {
    const char* direction;
    int start;
    int expected;
    bool settled;
};

TEST(FlyFlight, TurningWindowsMoveTowardsEachDirection) {
    const TurnCase cases[] = {
        {"R", 300, 311, false},  {"R", 445, 450, true},  {"R", 85, 90, true},
        {"R", 180, 169, false},  {"R", -90, -79, false}, {"RU", 230, 241, false},
        {"RU", 40, 45, true},    {"RU", 100, 89, false}, {"RD", 490, 495, true},
        {"RD", 200, 189, false}, {"L", 0, -11, false},   {"L", -85, -90, true},
        {"L", 265, 270, true},   {"LU", 320, 315, true}, {"LU", 0, -11, false},
        {"LU", 200, 211, false}, {"LD", 230, 225, true}, {"LD", -130, -135, true},
        {"U", 350, 0, true},     {"U", 5, 0, true},      {"U", 90, 79, false},
        {"D", 175, 180, true},   {"D", 300, 289, false}, {"D", 185, 180, true},
    };
    for (const TurnCase& c : cases) {
        Fixture f;
        f.state.flyAngle = static_cast<std::int16_t>(c.start);
        f.state.angleSettled = false;
        gameplay::turnFly(f.state, c.direction, 11);
        EXPECT_EQ(f.state.flyAngle, c.expected) << c.direction << " from " << c.start;
        EXPECT_EQ(f.state.angleSettled, c.settled) << c.direction << " from " << c.start;
    }
}

TEST(FlyFlight, SettledAngleNeitherTurnsNorLeavesTheCircle) {
    Fixture f;
    f.state.flyAngle = 200;
    f.state.angleSettled = true;
    gameplay::turnFly(f.state, "U", 11);
    EXPECT_EQ(f.state.flyAngle, 200);

    f.state.flyAngle = 450; // reached by turning right the long way round
    MoveFly(f.state);
    EXPECT_EQ(f.state.flyAngle, 90);
}

TEST(FlyFlight, TappedKeyGlidesAboutFiftyPixelsAndStops) {
    Fixture f;
    f.hold(engine::key::Right);
    playFrame(f, 16);
    f.hold(engine::key::Right, false);
    playFrame(f, 16); // still moving by the key read last frame
    double x = f.state.flyX;
    const double glideStart = x;
    int frames = 0;
    while (!f.state.glideTag.right.empty() && frames < 100) {
        playFrame(f, 16);
        EXPECT_GE(f.state.flyX, x) << "a glide never drifts backwards";
        x = f.state.flyX;
        ++frames;
    }
    EXPECT_NEAR(x - glideStart, 51, 5);
    EXPECT_NEAR(frames * 16, 240, 24);
    playFrame(f, 16);
    EXPECT_DOUBLE_EQ(f.state.flyX, x);
}

TEST(FlyFlight, OppositeKeysTogetherFromRestMoveNothing) {
    Fixture f;
    f.hold(engine::key::Right);
    f.hold(engine::key::Left);
    for (int i = 0; i < 3; ++i)
        playFrame(f, 16);
    EXPECT_FALSE(f.state.heldKeys.right);
    EXPECT_FALSE(f.state.heldKeys.left);
    EXPECT_DOUBLE_EQ(f.state.flyX, 430);
}

TEST(FlyFlight, LeftPressedWhileRightHeldKeepsGoingRight) {
    Fixture f;
    f.hold(engine::key::Right);
    playFrame(f, 16);
    f.hold(engine::key::Left);
    const double x0 = f.state.flyX;
    playFrame(f, 16);
    playFrame(f, 16);
    EXPECT_TRUE(f.state.heldKeys.right);
    EXPECT_FALSE(f.state.heldKeys.left);
    EXPECT_GT(f.state.flyX, x0);
}

TEST(FlyFlight, DiagonalReleasedWithinATenthOfASecondKeepsTheDiagonal) {
    Fixture f;
    f.hold(engine::key::Right);
    f.hold(engine::key::Up);
    for (int i = 0; i < 4; ++i)
        playFrame(f, 16);
    EXPECT_EQ(f.state.lastDirection, "RU");
    f.hold(engine::key::Right, false);
    playFrame(f, 16);
    playFrame(f, 16);
    f.hold(engine::key::Up, false);
    playFrame(f, 16);
    EXPECT_EQ(f.state.lastDirection, "RU");

    // Held alone for longer, up takes over.
    Fixture g;
    g.hold(engine::key::Right);
    g.hold(engine::key::Up);
    for (int i = 0; i < 4; ++i)
        playFrame(g, 16);
    g.hold(engine::key::Right, false);
    for (int i = 0; i < 10; ++i)
        playFrame(g, 16);
    EXPECT_EQ(g.state.lastDirection, "U");
}

TEST(FlyCollision, WallAheadBlocksButWallBehindDoesNot) {
    Fixture f;
    f.paintMask(420, 330, 440, 350, kWall); // under front probe 3 when heading up
    f.state.heldKeys.up = true;
    CheckCollision(f.state);
    EXPECT_TRUE(f.state.flyBlocked);

    Fixture g;
    g.paintMask(370, 420, 500, 430, kWall); // under the rear corners only
    g.state.heldKeys.up = true;
    CheckCollision(g.state);
    EXPECT_FALSE(g.state.flyBlocked);

    // Blocked: the key moves nothing, but the fly still turns.
    f.hold(engine::key::Up);
    f.state.flyAngle = 90;
    f.state.angleSettled = false;
    f.e().advance(16);
    CheckCollision(f.state);
    MoveFly(f.state);
    EXPECT_DOUBLE_EQ(f.state.flyY, 384);
    EXPECT_EQ(f.state.flyAngle, 79);
}

TEST(FlyCollision, RightBorderBlocksFromEightHundredForty) {
    Fixture f;
    f.state.heldKeys.right = true;
    f.state.flyX = 800; // front-left corner at x 840
    CheckCollision(f.state);
    EXPECT_TRUE(f.state.flyBlocked);
    f.state.flyX = 799.9;
    CheckCollision(f.state);
    EXPECT_FALSE(f.state.flyBlocked);

    f.state.heldKeys = {false, true, false, false};
    f.state.flyX = 59.9; // front corner just inside x 20
    CheckCollision(f.state);
    EXPECT_TRUE(f.state.flyBlocked);
}

TEST(FlyCollision, DiagonalAlongTheTopBorderSlides) {
    Fixture f;
    f.hold(engine::key::Right);
    f.hold(engine::key::Up);
    f.state.flyY = 60; // heading 45 puts the front-left corner above the top
    playFrame(f, 16);
    const double x0 = f.state.flyX;
    const double y0 = f.state.flyY;
    playFrame(f, 16);
    EXPECT_NEAR(f.state.flyY, y0, 1e-9);
    EXPECT_NEAR(f.state.flyX - x0, 7.2, 1e-9);
}

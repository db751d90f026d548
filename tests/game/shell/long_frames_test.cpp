// Long frames: played in pieces no longer than a normal frame, so walls and borders hold for the
// fly, its pull and the insects; past a ceiling the game slows down instead.
#include "../gameplay/gameplay_test_support.hpp"
#include "game/shell/frame_loop.hpp"
#include "game/state/play_clock.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace gameplay_test;

namespace {

struct PlayingFixture : Fixture {
    PlayingFixture() {
        state.screenState = 200;
        state.minutes = 5;
        state.energy = 100;
    }
    void frame(float ms) {
        engine->advance(ms);
        runPlaySteps(state);
    }
    // The point exactly 1000 px above the fly pulls with nothing to speak of.
    void pointFarAbove() {
        state.gravityX = state.flyX;
        state.gravityY = state.flyY - 1000;
    }
};

} // namespace

TEST(LongFrames, AreCutIntoPiecesThatEndAtTheFramesTick) {
    // Up to a piece's length a frame is one piece of exactly its own length and tick.
    for (float ms : {0.0f, 16.0f, 16.6667f, 20.0f}) {
        const auto pieces = playPieces(ms, 5000);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].elapsedMs, static_cast<double>(ms));
        EXPECT_EQ(pieces[0].tick, 5000u);
    }
    auto pieces = playPieces(100.0f, 5000);
    ASSERT_EQ(pieces.size(), 5u);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_DOUBLE_EQ(pieces[k].elapsedMs, 20.0);
        EXPECT_EQ(pieces[k].tick, 4920u + 20u * k);
    }
    // Past the ceiling the frame stands for less game time.
    pieces = playPieces(60000.0f, 5000);
    double played = 0;
    for (const PlayPiece& p : pieces) {
        EXPECT_LE(p.elapsedMs, kPlayPieceMs);
        played += p.elapsedMs;
    }
    EXPECT_NEAR(played, kPlayFrameCeilingMs, 1e-9);
    EXPECT_EQ(pieces.back().tick, 5000u);
    // Just after start-up the earlier pieces' ticks stop at 0 instead of wrapping round.
    pieces = playPieces(100.0f, 30);
    EXPECT_EQ(pieces.front().tick, 0u);
    EXPECT_EQ(pieces.back().tick, 30u);
}

TEST(LongFrames, TheFlyStopsAtAThinWallAndAtTheBorder) {
    PlayingFixture f;
    f.paintMask(600, 0, 620, 768, kWall);
    f.state.flyX = 555; // its front 5 px short of the wall when heading right
    f.pointFarAbove();
    f.hold(engine::key::Right);
    f.frame(16); // the keys are read at the end of a frame
    for (int i = 0; i < 5; ++i)
        f.frame(100);
    EXPECT_LT(f.state.flyX + 40, 620);

    // A second-long frame (a resume from suspend) ends at the border, not beyond the map.
    PlayingFixture g;
    g.state.flyX = 700;
    g.pointFarAbove();
    g.hold(engine::key::Right);
    g.frame(16);
    for (int i = 0; i < 3; ++i)
        g.frame(1000);
    EXPECT_LT(g.state.flyX + 40, 860);
    EXPECT_GT(g.state.flyX, 700);
}

TEST(LongFrames, ThePullStopsAtAThinWall) {
    PlayingFixture f;
    f.paintMask(240, 0, 260, 768, kWall);
    f.state.flyX = 320;
    f.state.gravityX = 100; // 0.234 px/ms to the left
    f.state.gravityY = 384;
    f.frame(1); // the pull's direction, which turns its probes
    for (int i = 0; i < 3; ++i)
        f.frame(200);
    EXPECT_TRUE(f.state.pullBlocked);
    EXPECT_GE(f.state.flyX - 40, 240);
}

TEST(LongFrames, AnInsectTurnsAtAThinWall) {
    PlayingFixture f;
    f.paintMask(500, 0, 520, 768, kWall);
    f.state.flyX = 200;
    f.state.flyY = 700;
    f.pointFarAbove();
    GameState& s = f.state;
    s.enemyCount = 1;
    s.enemyKind[1] = 1; // a wasp: its front 30 px ahead of its centre
    s.enemyX[1] = 445;
    s.enemyY[1] = 384;
    s.enemyAngle[1] = s.enemyTargetAngle[1] = 90;
    s.enemySpeed[1] = 0.5;
    s.enemyReaction[1] = 0;
    s.enemyWanderTick = f.engine->tick(); // no random turn for 8 s
    for (int i = 0; i < 5; ++i) {
        f.frame(100);
        EXPECT_LT(s.enemyX[1] + 30, 520) << "frame " << i;
    }
}

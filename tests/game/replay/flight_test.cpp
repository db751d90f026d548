// Flying level 1 with the arrows on a map whose mask the test paints.
#include "replay_harness.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Open ground for the bubble far from where the fly goes, walls where a test asks for them.
ReplayTree::Rect bubbleGround() {
    return {100, 650, 120, 670, kOpen};
}

class Flight : public ::testing::Test {
  protected:
    void SetUp() override {
        level.flyX = 300;
        level.flyY = 300;
        // Far away in the corner: the pull is about 1.4 px a frame where the fly goes.
        level.gravityX = 850;
        level.gravityY = 760;
    }
    PrintedState fly(const std::string& keys, int frames) {
        tree.writeMask(5, masks);
        tree.writeLevel(1, level);
        std::string script;
        for (const auto& key : split(keys))
            script += "down " + key + "\n";
        script += "step " + std::to_string(frames) + "\nprint\n";
        const ReplayRun run = tree.run(script);
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(run.prints.size(), 1u) << run.output;
        return run.prints.empty() ? PrintedState{} : run.prints.back();
    }
    static std::vector<std::string> split(const std::string& keys) {
        std::vector<std::string> out;
        std::string word;
        for (char c : keys + " ") {
            if (c == ' ') {
                if (!word.empty())
                    out.push_back(word);
                word.clear();
            } else {
                word += c;
            }
        }
        return out;
    }

    ReplayTree tree;
    TestLevel level;
    std::vector<ReplayTree::Rect> masks{bubbleGround()};
};

TEST_F(Flight, StartsOnLevelOneAsAScenarioLevel) {
    const PrintedState s = fly("", 1);
    EXPECT_EQ(s.at("screenState"), "200");
    EXPECT_EQ(s.at("levelNumber"), "1");
    EXPECT_EQ(s.at("mapNumber"), "5");
    EXPECT_EQ(s.at("gameMode"), "1");
    EXPECT_EQ(s.at("lives"), "3");
    EXPECT_EQ(s.at("energy"), "100");
    EXPECT_EQ(s.at("bubblesTotal"), "5");
    EXPECT_EQ(s.at("bubbleVisible"), "1");
    EXPECT_EQ(s.at("paused"), "0");
}

TEST_F(Flight, EachArrowMovesAndTurnsTheFly) {
    const PrintedState idle = fly("", 20);
    const PrintedState right = fly("right", 20);
    const PrintedState left = fly("left", 20);
    const PrintedState up = fly("up", 20);
    const PrintedState down = fly("down", 20);
    // 0.45 px per ms while held: 7.2 px per 16 ms frame, about 140 px in 20 frames.
    EXPECT_NEAR(number(right, "flyX") - number(idle, "flyX"), 137, 12);
    EXPECT_NEAR(number(left, "flyX") - number(idle, "flyX"), -137, 12);
    EXPECT_NEAR(number(up, "flyY") - number(idle, "flyY"), -137, 12);
    EXPECT_NEAR(number(down, "flyY") - number(idle, "flyY"), 137, 12);
    EXPECT_NEAR(number(right, "flyY"), number(idle, "flyY"), 12);
    EXPECT_NEAR(number(up, "flyX"), number(idle, "flyX"), 12);
    // The drawn angle has turned to the direction of travel.
    EXPECT_EQ(idle.at("flyAngle"), "0");
    EXPECT_EQ(right.at("flyAngle"), "90");
    EXPECT_EQ(left.at("flyAngle"), "270");
    EXPECT_EQ(up.at("flyAngle"), "0");
    EXPECT_EQ(down.at("flyAngle"), "180");
    const PrintedState diagonal = fly("right down", 20);
    EXPECT_EQ(diagonal.at("flyAngle"), "135");
    EXPECT_GT(number(diagonal, "flyX"), number(idle, "flyX") + 100);
    EXPECT_GT(number(diagonal, "flyY"), number(idle, "flyY") + 100);
}

TEST_F(Flight, TurningTakesElevenDegreesAFrame) {
    // The arrows are read at the end of a frame for the next one.
    EXPECT_EQ(fly("right", 1).at("flyAngle"), "0");
    EXPECT_EQ(fly("right", 2).at("flyAngle"), "11");
    EXPECT_EQ(fly("right", 3).at("flyAngle"), "22");
}

TEST_F(Flight, AWallStopsTheFly) {
    masks.push_back({600, 0, 640, 768, kWall});
    const PrintedState s = fly("right", 80);
    // The front probes are 40 px ahead of the centre.
    EXPECT_GT(number(s, "flyX"), 540);
    EXPECT_LT(number(s, "flyX"), 575);
    EXPECT_EQ(s.at("flyAngle"), "90");
}

TEST_F(Flight, BordersStopTheFly) {
    // The pull ignores borders: it comes from far behind the fly each time.
    level.flyX = 600;
    level.gravityX = 0;
    level.gravityY = 0;
    const PrintedState right = fly("right", 80);
    EXPECT_GT(number(right, "flyX"), 785);
    EXPECT_LT(number(right, "flyX"), 815);

    level.flyX = 300;
    level.flyY = 300;
    level.gravityX = 850;
    level.gravityY = 760;
    const PrintedState up = fly("up", 80);
    EXPECT_GT(number(up, "flyY"), 45);
    EXPECT_LT(number(up, "flyY"), 75);

    const PrintedState left = fly("left", 80);
    EXPECT_GT(number(left, "flyX"), 40);
    EXPECT_LT(number(left, "flyX"), 80);

    level.flyY = 500;
    level.gravityX = 0;
    level.gravityY = 0;
    const PrintedState down = fly("down", 80);
    EXPECT_GT(number(down, "flyY"), 690);
    EXPECT_LT(number(down, "flyY"), 730);
}

TEST_F(Flight, GlidesOnAfterTheKeyIsReleased) {
    // The point straight below, behind a wall band that the pull probes touch: no pull at all.
    level.gravityX = 300;
    level.gravityY = 760;
    masks.push_back({0, 335, 860, 345, kWall});
    tree.writeMask(5, masks);
    tree.writeLevel(1, level);
    const ReplayRun run =
        tree.run("down right\nstep 10\nup right\nprint\nstep 30\nprint\nstep 30\nprint\n");
    ASSERT_EQ(run.prints.size(), 3u);
    const double glide = number(run.prints[1], "flyX") - number(run.prints[0], "flyX");
    // One more held frame (7.2 px), then about 51 px at 0.45 px/ms falling by 0.002 per ms.
    EXPECT_GT(glide, 50);
    EXPECT_LT(glide, 66);
    EXPECT_DOUBLE_EQ(number(run.prints[2], "flyX"), number(run.prints[1], "flyX"));
    EXPECT_NEAR(number(run.prints[2], "flyY"), 300.0, 5); // one pull before the probes know
}

} // namespace

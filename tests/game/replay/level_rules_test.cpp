// Winning and losing level 1: bubbles, the clock, the gravitation point and an enemy.
#include "replay_harness.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

class LevelRules : public ::testing::Test {
  protected:
    ReplayRun play(const std::string& script) {
        tree.writeMask(5, masks);
        tree.writeLevel(1, level);
        ReplayRun run = tree.run(script);
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        return run;
    }
    ReplayTree tree;
    TestLevel level;
    std::vector<ReplayTree::Rect> masks{{100, 650, 120, 670, kOpen}};
};

// The only open ground: square A above the fly, where the first bubble must go, and square B
// behind it, too near the start for the first bubble but far enough for the next. A wall band
// right of the fly's path stops the pull of the point to the right.
void bubbleCourse(std::vector<ReplayTree::Rect>& masks, TestLevel& level) {
    masks = {{600, 200, 610, 210, kOpen}, {600, 410, 610, 420, kOpen}, {640, 0, 650, 768, kWall}};
    level.flyX = 605;
    level.flyY = 330;
    level.gravityX = 1020;
    level.gravityY = 330;
}

TEST_F(LevelRules, ABubbleTakenScoresTwenty) {
    bubbleCourse(masks, level);
    const ReplayRun run = play("print\ndown up\nstep 30\nup up\nprint\nstep 40\nprint\n");
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    const PrintedState& before = run.prints[0];
    EXPECT_GE(number(before, "bubbleX"), 600);
    EXPECT_LT(number(before, "bubbleX"), 610);
    EXPECT_GE(number(before, "bubbleY"), 200);
    EXPECT_LT(number(before, "bubbleY"), 210);
    EXPECT_EQ(before.at("score"), "0");

    const PrintedState& taken = run.prints[1];
    EXPECT_EQ(taken.at("bubblesCollected"), "1");
    EXPECT_EQ(taken.at("score"), "20");
    EXPECT_EQ(taken.at("levelWon"), "0");
    // The next bubble lies in the other square.
    EXPECT_GE(number(taken, "bubbleY"), 410);
    // The display counts up to the score by 2 every 20 ms.
    EXPECT_EQ(run.prints[2].at("displayedScore"), "20");
    EXPECT_EQ(run.prints[2].at("bubblesCollected"), "1");
}

TEST_F(LevelRules, TheLastBubbleWinsAndCreditsTheSecondsLeft) {
    bubbleCourse(masks, level);
    level.bubbles = 1;
    level.minutes = 1;
    level.seconds = 5;
    const ReplayRun run = play("down up\nstep 30\nup up\nprint\nstep 200\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    const PrintedState& won = run.prints[0];
    EXPECT_EQ(won.at("levelWon"), "1");
    EXPECT_EQ(won.at("levelLost"), "0");
    // 20 for the bubble and one point per second left on the clock (taken within a second).
    EXPECT_EQ(number(won, "score"), 20 + 65);
    // After the end fade the scenario's end-of-level screens follow.
    EXPECT_EQ(run.prints[1].at("screenState"), "300");
    EXPECT_EQ(run.prints[1].at("displayedScore"), run.prints[1].at("score"));
}

TEST_F(LevelRules, TheClockRunsOutAndTheLevelIsLost) {
    level.minutes = 0;
    level.seconds = 3;
    level.gravityX = 850;
    level.gravityY = 760;
    const ReplayRun run = play("step 100\nprint\nstep 160\nprint\nstep 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    // 100 frames of 16 ms: one second gone.
    EXPECT_EQ(run.prints[0].at("minutes"), "0");
    EXPECT_EQ(run.prints[0].at("seconds"), "2");
    EXPECT_EQ(run.prints[0].at("levelLost"), "0");
    // One step per 1008 ms: 00:00 shows for a whole step, then time is up.
    EXPECT_EQ(run.prints[1].at("seconds"), "0");
    EXPECT_EQ(run.prints[1].at("levelLost"), "1");
    EXPECT_EQ(run.prints[1].at("screenState"), "200");
    // The end fade takes a second, then the end-of-level screens.
    EXPECT_EQ(run.prints[2].at("screenState"), "300");
}

TEST_F(LevelRules, TheGravitationPointDrainsEnergy) {
    level.flyX = 430;
    level.flyY = 400;
    level.gravityX = 400;
    level.gravityY = 400;
    const ReplayRun run = play("step 2\nprint\nstep 63\nprint\nstep 400\nprint\n");
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    EXPECT_EQ(run.prints[0].at("gravityDrain"), "1");
    // About 24 energy a second: one step per 41 ms.
    const double afterOneSecond = number(run.prints[1], "energy");
    EXPECT_GT(afterOneSecond, 70);
    EXPECT_LT(afterOneSecond, 82);
    // The pull holds the fly on the point (within one 4.8 px step); its position stays a number.
    EXPECT_NEAR(number(run.prints[1], "flyX"), 400, 5);
    EXPECT_NEAR(number(run.prints[1], "flyY"), 400, 5);
    EXPECT_EQ(run.prints[2].at("energy"), "0");
    EXPECT_EQ(run.prints[2].at("levelLost"), "1");
}

TEST_F(LevelRules, AnEnemyChasesAndDrainsEnergy) {
    // A gnat notices the fly from 3000 px and chases it at 0.19 px per ms.
    level.flyX = 600;
    level.flyY = 550;
    level.gravityX = 850;
    level.gravityY = 50;
    level.enemies = {{2, 600, 150, 180}};
    const ReplayRun run = play("step 2\nprint\nstep 60\nprint\nstep 200\nprint\n");
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    auto distance = [](const PrintedState& s) {
        std::istringstream in(s.at("enemy1"));
        double kind, x, y;
        in >> kind >> x >> y;
        return std::hypot(x - number(s, "flyX"), y - number(s, "flyY"));
    };
    EXPECT_EQ(run.prints[0].at("enemyCount"), "1");
    EXPECT_NE(run.prints[0].at("enemy1").find(" 1"), std::string::npos); // following
    EXPECT_LT(distance(run.prints[1]), distance(run.prints[0]) - 100);
    EXPECT_LT(number(run.prints[2], "energy"), 100);
}

TEST_F(LevelRules, AnyEnemyValuesPlayWithoutHarm) {
    // Negative and extreme speeds, distances and times: the insects may do odd things, but the
    // game neither stops, hangs nor loses track of them, at normal and at long frames.
    const char* extremes[5][2] = {{"-2147483648", "2147483647"},
                                  {"2147483647", "-2147483648"},
                                  {"2147483647", "-2147483648"},
                                  {"-2147483648", "2147483647"},
                                  {"2147483647", "-2147483648"}};
    const char* keys[5] = {"EnemySpeed", "EnemyFollowSpeed", "EnemyReaction", "EnemyFollowTime",
                           "EnemySleepTime"};
    for (int kind = 1; kind <= 4; ++kind)
        for (int field = 0; field < 5; ++field)
            tree.setOptionLine(11 + (kind - 1) * 5 + field,
                               keys[field] + std::to_string(kind) + ":" +
                                   (kind == 4 ? "-8" : extremes[field][kind % 2]));
    level.enemies = {{1, 200, 200, 45}, {2, 600, 150, 180}, {3, 400, 600, 270}, {4, 700, 500, 0}};
    const ReplayRun run = play("step 300\nprint\nframe-ms 1000\nstep 30\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    for (const PrintedState& printed : run.prints) {
        for (int i = 1; i <= 4; ++i) {
            std::istringstream in(printed.at("enemy" + std::to_string(i)));
            double kind = 0, x = NAN, y = NAN;
            in >> kind >> x >> y;
            EXPECT_TRUE(std::isfinite(x) && std::isfinite(y))
                << printed.at("enemy" + std::to_string(i));
        }
    }
}

} // namespace

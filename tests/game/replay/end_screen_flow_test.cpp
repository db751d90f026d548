// The scenario's end-of-level screens: continuing after a win (with or without the level
// intro), after a loss while lives last, quitting, and the table after the last level.
#include "replay_harness.hpp"

#include <gtest/gtest.h>

namespace {

// Two squares of open ground above and below the fly; a wall keeps the pull away. The one
// bubble of the level lands in the upper square, which the fly reaches flying up.
TestLevel oneBubbleLevel() {
    TestLevel level;
    level.flyX = 605;
    level.flyY = 330;
    level.gravityX = 1020;
    level.gravityY = 330;
    level.bubbles = 1;
    return level;
}

const char* const kFlyUpAndWin = "down up\nstep 30\nup up\nstep 120\n";

class EndScreenFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        tree.writeMask(
            5,
            {{600, 200, 610, 210, kOpen}, {600, 410, 610, 420, kOpen}, {640, 0, 650, 768, kWall}});
    }
    ReplayRun play(const std::string& script) {
        ReplayRun run = tree.run(script);
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        return run;
    }
    ReplayTree tree;
};

TEST_F(EndScreenFlow, AWonLevelOneGoesOnToLevelTwoKeepingItsEnergy) {
    TestLevel first = oneBubbleLevel();
    // A gnat in the way takes some energy before the bubble is reached.
    first.enemies = {{2, 605, 290, 180}};
    tree.writeLevel(1, first);
    tree.writeLevel(2, oneBubbleLevel());
    tree.writeLevel(3, oneBubbleLevel());
    const std::string script = std::string(kFlyUpAndWin) + "print\ntap enter\nstep 80\nprint\n" +
                               kFlyUpAndWin + "print\ntap enter\nstep 80\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 4u) << run.output;
    const PrintedState& won = run.prints[0];
    EXPECT_EQ(won.at("screenState"), "300");
    EXPECT_EQ(won.at("endScreenKind"), "3");
    const double energyLeft = number(won, "energy");
    EXPECT_LT(energyLeft, 100);
    EXPECT_GT(energyLeft, 0);

    const PrintedState& second = run.prints[1];
    EXPECT_EQ(second.at("screenState"), "200");
    EXPECT_EQ(second.at("levelNumber"), "2");
    EXPECT_EQ(number(second, "energy"), energyLeft);
    EXPECT_EQ(second.at("levelWon"), "0");
    EXPECT_EQ(second.at("bubbleVisible"), "1");
    EXPECT_EQ(second.at("displayedScore"), won.at("displayedScore"));

    // After level 2 a new map begins: its level intro, with full energy.
    EXPECT_EQ(run.prints[2].at("endScreenKind"), "3");
    const PrintedState& third = run.prints[3];
    EXPECT_EQ(third.at("screenState"), "100");
    EXPECT_EQ(third.at("levelNumber"), "3");
    EXPECT_EQ(third.at("energy"), "100");
}

TEST_F(EndScreenFlow, ALostLevelRestartsWhileLivesLastThenOnlyQuits) {
    TestLevel level = oneBubbleLevel();
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(1, level);
    std::string script;
    for (int attempt = 0; attempt < 4; ++attempt)
        script += "step 300\nprint\ntap enter\nstep 80\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 8u) << run.output;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const PrintedState& lost = run.prints[2 * attempt];
        EXPECT_EQ(lost.at("screenState"), "300") << attempt;
        EXPECT_EQ(lost.at("endScreenKind"), "1") << attempt;
        const PrintedState& again = run.prints[2 * attempt + 1];
        EXPECT_EQ(again.at("screenState"), "200") << attempt;
        EXPECT_EQ(again.at("levelNumber"), "1");
        EXPECT_EQ(again.at("lives"), std::to_string(2 - attempt));
        EXPECT_EQ(again.at("levelLost"), "0");
        EXPECT_EQ(again.at("seconds"), "2");
    }
    // No life left: the first choice leads to the menu and a fresh run.
    EXPECT_EQ(run.prints[6].at("lives"), "0");
    const PrintedState& menu = run.prints[7];
    EXPECT_EQ(menu.at("screenState"), "50");
    EXPECT_EQ(menu.at("lives"), "3");
    EXPECT_EQ(menu.at("menuItem"), "1");
    EXPECT_EQ(menu.at("levelLost"), "0");
}

TEST_F(EndScreenFlow, TheThirdChoiceQuitsToTheMenu) {
    tree.writeLevel(1, oneBubbleLevel());
    const std::string script = std::string(kFlyUpAndWin) +
                               "tap down\nstep 1\ntap down\nstep 1\ntap down\nstep 1\n"
                               "tap enter\nstep 80\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 1u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_EQ(run.prints[0].at("displayedScore"), "0");
    EXPECT_EQ(run.prints[0].at("levelNumber"), "1");
    EXPECT_EQ(run.prints[0].at("levelWon"), "0");
}

} // namespace

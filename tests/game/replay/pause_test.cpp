// The pause panel: open and close with Escape, move the choice, resume, give up, leave.
#include "replay_harness.hpp"

#include <gtest/gtest.h>

namespace {

class Pause : public OpenSquareLevel {};

TEST_F(Pause, EscapeOpensOnReleaseAndThePlayStops) {
    const ReplayRun run = play("step 5\ndown esc\nstep 10\nprint\nup esc\nstep 1\nprint\n"
                               "step 200\nprint\ntap esc\nstep 1\nprint\n");
    ASSERT_EQ(run.prints.size(), 4u);
    EXPECT_EQ(run.prints[0].at("paused"), "0"); // held, not yet released
    EXPECT_EQ(run.prints[1].at("paused"), "1");
    // Nothing moves while paused: the clock and the fly stand still.
    EXPECT_EQ(run.prints[2].at("seconds"), run.prints[1].at("seconds"));
    EXPECT_EQ(run.prints[2].at("minutes"), run.prints[1].at("minutes"));
    EXPECT_EQ(run.prints[2].at("flyX"), run.prints[1].at("flyX"));
    EXPECT_EQ(run.prints[3].at("paused"), "0");
}

TEST_F(Pause, TheChoiceWrapsAroundBothWays) {
    const ReplayRun run = play("tap esc\nstep 1\nprint\ntap up\nstep 1\nprint\ntap down\nstep 1\n"
                               "tap down\nstep 1\nprint\n");
    ASSERT_EQ(run.prints.size(), 3u);
    EXPECT_EQ(run.prints[0].at("pauseSelection"), "1");
    EXPECT_EQ(run.prints[1].at("pauseSelection"), "3");
    EXPECT_EQ(run.prints[2].at("pauseSelection"), "2");
}

TEST_F(Pause, ResumeContinuesTheLevel) {
    const ReplayRun run = play("tap esc\nstep 20\ntap enter\nstep 1\nprint\nstep 100\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u);
    EXPECT_EQ(run.prints[0].at("paused"), "0");
    EXPECT_EQ(run.prints[0].at("levelLost"), "0");
    EXPECT_EQ(run.prints[1].at("screenState"), "200");
    EXPECT_NE(run.prints[1].at("seconds"), run.prints[0].at("seconds"));
}

TEST_F(Pause, GiveUpLosesTheLevel) {
    const ReplayRun run = play("tap esc\nstep 1\ntap down\nstep 1\ntap enter\nstep 1\nprint\n"
                               "step 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u);
    EXPECT_EQ(run.prints[0].at("paused"), "0");
    EXPECT_EQ(run.prints[0].at("levelLost"), "1");
    // A scenario level given up leads to the lose screen.
    EXPECT_EQ(run.prints[1].at("screenState"), "300");
}

TEST_F(Pause, LeaveGoesToTheMainMenuWithAFreshRun) {
    const ReplayRun run = play("step 100\ntap esc\nstep 1\ntap up\nstep 1\ntap enter\nstep 1\n"
                               "print\nstep 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u);
    EXPECT_EQ(run.prints[0].at("quitToMenu"), "1");
    EXPECT_EQ(run.prints[0].at("paused"), "0");
    EXPECT_EQ(run.prints[0].at("screenState"), "200");
    const PrintedState& menu = run.prints[1];
    EXPECT_EQ(menu.at("screenState"), "50");
    EXPECT_EQ(menu.at("quitToMenu"), "0");
    EXPECT_EQ(menu.at("levelNumber"), "1");
    EXPECT_EQ(menu.at("lives"), "3");
    EXPECT_EQ(menu.at("energy"), "100");
    EXPECT_EQ(menu.at("menuItem"), "1");
    EXPECT_EQ(menu.at("displayedScore"), "0");
}

} // namespace

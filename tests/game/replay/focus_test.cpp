// The window losing and regaining the focus: the pause panel, muted sound, forgotten keys.
#include "replay_harness.hpp"

#include "game/replay/replay_script.hpp"

#include <gtest/gtest.h>

namespace {

class WindowFocus : public OpenSquareLevel {};

TEST_F(WindowFocus, LosingItInPlayPausesAndMutesUntilItReturns) {
    const ReplayRun run = play("step 20\nprint\nfocus off\nstep 1\nprint\nstep 100\nprint\n"
                               "focus on\nstep 1\nprint\ntap esc\nstep 1\nprint\n");
    ASSERT_EQ(run.prints.size(), 5u);
    EXPECT_EQ(run.prints[0].at("paused"), "0");
    EXPECT_EQ(run.prints[0].at("muted"), "0");
    EXPECT_EQ(run.prints[1].at("paused"), "1");
    EXPECT_EQ(run.prints[1].at("pauseSelection"), "1");
    EXPECT_EQ(run.prints[1].at("muted"), "1");
    // The level stands still while the window is away.
    EXPECT_EQ(run.prints[2].at("seconds"), run.prints[1].at("seconds"));
    EXPECT_EQ(run.prints[2].at("flyX"), run.prints[1].at("flyX"));
    EXPECT_EQ(run.prints[2].at("muted"), "1");
    // Back: sound again, and the panel waits for the player as after Escape.
    EXPECT_EQ(run.prints[3].at("muted"), "0");
    EXPECT_EQ(run.prints[3].at("paused"), "1");
    EXPECT_EQ(run.prints[4].at("paused"), "0");
}

TEST_F(WindowFocus, KeysHeldWhileSwitchingAwayDoNotActWhenReleased) {
    // Escape held: its release after the switch would close the panel the switch opened.
    // Down held in the panel: it would move the choice.
    const ReplayRun run = play("step 5\ndown esc\nstep 3\nfocus off\nstep 1\nup esc\nstep 1\n"
                               "print\nfocus on\ndown down\nstep 2\nfocus off\nstep 1\n"
                               "up down\nstep 1\nfocus on\nstep 1\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u);
    EXPECT_EQ(run.prints[0].at("paused"), "1");
    EXPECT_EQ(run.prints[1].at("paused"), "1");
    EXPECT_EQ(run.prints[1].at("pauseSelection"), "1");
}

TEST_F(WindowFocus, NoPanelWhenAlreadyPausedOrTheLevelIsEndingOrOutsidePlay) {
    // Already paused with the second choice picked: the switch changes nothing.
    ReplayRun run = play("tap esc\nstep 1\ntap down\nstep 1\nfocus off\nstep 2\nfocus on\nstep 1\n"
                         "print\n");
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("paused"), "1");
    EXPECT_EQ(run.prints[0].at("pauseSelection"), "2");

    // Leaving the level: the fade-out runs to the menu without a panel.
    run = play("tap esc\nstep 1\ntap up\nstep 1\ntap enter\nstep 1\nfocus off\nstep 1\nprint\n"
               "step 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u);
    EXPECT_EQ(run.prints[0].at("paused"), "0");
    EXPECT_EQ(run.prints[1].at("screenState"), "50");
    EXPECT_EQ(run.prints[1].at("paused"), "0");
    EXPECT_EQ(run.prints[1].at("muted"), "1"); // the sound stays off while the window is away
}

TEST_F(WindowFocus, InTheMenuTheSoundIsMutedAndAHeldKeyIsForgotten) {
    tree.setOptionLine(10, "GamePosition:50");
    const ReplayRun run = play("step 5\ndown enter\nstep 2\nfocus off\nstep 1\nup enter\n"
                               "step 5\nprint\nfocus on\nstep 40\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u);
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_EQ(run.prints[0].at("muted"), "1");
    EXPECT_EQ(run.prints[0].at("paused"), "0");
    EXPECT_EQ(run.prints[1].at("submenuOpen"), "0"); // Enter did not open "new game"
    EXPECT_EQ(run.prints[1].at("muted"), "0");
}

TEST(ReplayFocusCommand, TakesOnOrOff) {
    const auto good = parseReplayScript("focus off\nfocus on\n", "s");
    ASSERT_TRUE(good) << good.message();
    ASSERT_EQ(good.value().size(), 2u);
    EXPECT_EQ(good.value()[0].kind, ReplayCommand::Kind::Focus);
    EXPECT_EQ(good.value()[0].value, 0);
    EXPECT_EQ(good.value()[1].value, 1);
    for (const char* bad : {"focus\n", "focus maybe\n", "focus on off\n"}) {
        const auto parsed = parseReplayScript(bad, "s");
        ASSERT_FALSE(parsed) << bad;
        EXPECT_NE(parsed.message().find("line 1"), std::string::npos) << parsed.message();
    }
}

} // namespace

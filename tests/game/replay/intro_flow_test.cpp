// The intro pages: a skip lands in the menu with the menu music; a full run takes about
// 64 s and leaves the intro music playing into the menu.
#include "replay_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class IntroFlow : public ::testing::Test {
  protected:
    void SetUp() override { tree.setOptionLine(10, "GamePosition:0"); }
    ReplayRun play(const std::string& script) {
        ReplayRun run = tree.run(script);
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        return run;
    }
    ReplayTree tree;
};

TEST_F(IntroFlow, EveryLoadingCountTakesAScriptedFrameShownOrNot) {
    // However many of its 359 frames the machine had time to show, the scripted clock counts
    // them all (16 ms each), so a run's ticks and random draws never depend on the machine.
    const ReplayRun run = play("print\n");
    ASSERT_EQ(run.prints.size(), 1u) << run.output;
    EXPECT_EQ(run.prints[0].at("tick"), "5744");
}

TEST_F(IntroFlow, TheLoadingScreenCannotBeSkippedButTheLogosCan) {
    // Enter during the loading screen's fade is ignored; the first logo page follows.
    const ReplayRun run = play("tap enter\nstep 80\nprint\nstep 200\nprint\n"
                               "tap space\nstep 40\nprint\nstep 40\nprint\n");
    ASSERT_EQ(run.prints.size(), 4u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "1");
    EXPECT_EQ(run.prints[0].at("introSkip"), "0");
    EXPECT_EQ(run.prints[1].at("screenState"), "1");
    // The page fades for a second, then the menu rises with its own music.
    EXPECT_EQ(run.prints[2].at("screenState"), "1");
    EXPECT_EQ(run.prints[2].at("introSkip"), "1");
    EXPECT_EQ(run.prints[3].at("screenState"), "50");
    EXPECT_NE(run.prints[3].at("menuMusicChannel"), "0");
}

TEST_F(IntroFlow, EscapeOnACreditsPageSkipsToo) {
    // 100 ms frames: the loading fade, two logo pages and into the first credits page.
    const ReplayRun run = play("frame-ms 100\nstep 200\nprint\ntap esc\nstep 12\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "3");
    EXPECT_EQ(run.prints[1].at("screenState"), "50");
}

TEST_F(IntroFlow, TheWholeIntroRunsPageByPageIntoTheMenu) {
    std::ostringstream script;
    script << "frame-ms 20\nprint\n";
    for (int i = 0; i < 70; ++i)
        script << "step 50\nprint\n";
    const ReplayRun run = play(script.str());
    ASSERT_EQ(run.prints.size(), 71u) << run.errors;
    std::vector<std::string> pages;
    double startTick = number(run.prints[0], "tick");
    double menuTick = -1;
    for (const PrintedState& p : run.prints) {
        if (pages.empty() || pages.back() != p.at("screenState"))
            pages.push_back(p.at("screenState"));
        if (menuTick < 0 && p.at("screenState") == "50")
            menuTick = number(p, "tick");
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "50"}));
    // One second for the loading screen, nine for each of the seven pages (prints 1 s apart).
    EXPECT_NEAR((menuTick - startTick) / 1000.0, 64.0, 1.5);
    const PrintedState& last = run.prints.back();
    EXPECT_EQ(last.at("introSkip"), "0");
    // The intro music plays on: the menu music has not been started.
    EXPECT_EQ(last.at("menuMusicChannel"), "0");
}

} // namespace

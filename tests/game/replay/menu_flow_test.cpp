// From the main menu into games: the scenario with its tutorial, and the language switch.
#include "replay_harness.hpp"

#include <gtest/gtest.h>

namespace {

// Opens "new game" and starts the scenario; the level intro shows after the white fade.
const char* const kStartScenario = "step 5\ntap enter\nstep 40\ntap enter\nstep 80\n";

class MenuFlow : public ReplayTest {
  protected:
    void SetUp() override {
        tree.setOptionLine(10, "GamePosition:50");
        placeFlyBetweenOpenSquares();
        level.bubbles = 10;
        tree.writeLevel(1, level);
    }
};

TEST_F(MenuFlow, TheScenarioWalksThroughTheTutorialStepsWithEnter) {
    std::string script = kStartScenario;
    script += "print\n"                     // level intro
              "tap space\nstep 80\nprint\n" // play, tutorial step 0
              "step 330\nprint\n"           // its panel after 5 s
              "tap enter\nstep 2\nprint\n"  // step 1: try the four arrows
              "tap left\ntap right\ntap up\ntap down\nstep 650\nprint\n"
              "tap enter\nstep 650\nprint\n" // step 2: its panel after 10 s
              "tap enter\nstep 2\nprint\n"   // step 3: three bubbles
              "down up\nstep 30\nup up\nstep 5\n"
              "down down\nstep 45\nup down\nstep 5\n"
              "down up\nstep 45\nup up\nstep 500\nprint\n"
              "tap enter\nstep 650\nprint\n" // step 4: the enemies
              "tap enter\nstep 2\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 10u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "100");
    EXPECT_EQ(run.prints[0].at("gameMode"), "1");
    EXPECT_EQ(run.prints[0].at("lives"), "3");
    const PrintedState& playing = run.prints[1];
    EXPECT_EQ(playing.at("screenState"), "200");
    EXPECT_EQ(playing.at("tutorialActive"), "1");
    EXPECT_EQ(playing.at("tutorialStep"), "0");
    EXPECT_EQ(playing.at("paused"), "0");
    EXPECT_EQ(run.prints[2].at("paused"), "1");
    EXPECT_EQ(run.prints[3].at("tutorialStep"), "1");
    EXPECT_EQ(run.prints[3].at("paused"), "0");
    // Each later panel waits 10 s and, for step 1, all four arrows, for step 3 three bubbles.
    const char* steps[] = {"1", "2", "3", "3", "4"};
    for (int i = 4; i <= 8; ++i) {
        EXPECT_EQ(run.prints[i].at("paused"), i == 6 ? "0" : "1") << i;
        EXPECT_EQ(run.prints[i].at("tutorialStep"), steps[i - 4]) << i;
    }
    const PrintedState& done = run.prints[9];
    EXPECT_EQ(done.at("tutorialActive"), "0");
    EXPECT_EQ(done.at("paused"), "0");
    EXPECT_EQ(done.at("screenState"), "200");
}

TEST_F(MenuFlow, EscapeUnderATutorialPanelLeavesTheTutorial) {
    std::string script = kStartScenario;
    script += "tap enter\nstep 80\nstep 330\nprint\ntap esc\nstep 2\nprint\nstep 60\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    EXPECT_EQ(run.prints[0].at("paused"), "1");
    EXPECT_EQ(run.prints[0].at("tutorialActive"), "1");
    EXPECT_EQ(run.prints[1].at("tutorialActive"), "0");
    EXPECT_EQ(run.prints[1].at("paused"), "0");
    EXPECT_EQ(run.prints[1].at("bubbleVisible"), "1");
    // No pause panel follows the Escape that ended the tutorial.
    EXPECT_EQ(run.prints[2].at("paused"), "0");
}

TEST_F(MenuFlow, TheLevelIntroWaitsForSpaceOrEnterThenFadesIntoPlay) {
    // Started at the menu, the intro's fade flag of the run defaults must not end it early.
    std::string script = kStartScenario;
    script += "step 600\nprint\ntap enter\nstep 40\nprint\nstep 40\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "100");
    EXPECT_EQ(run.prints[1].at("screenState"), "100");
    EXPECT_EQ(run.prints[2].at("screenState"), "200");
    EXPECT_EQ(run.prints[2].at("mapNumber"), "5");
}

TEST_F(MenuFlow, TheLanguageSwitchChangesTheMenuPicturesAtOnce) {
    tree.setOptionLine(3, "GameLanguage:cz");
    const auto before = tree.root() / "before.png";
    const auto after = tree.root() / "after.png";
    // Options, down to the language row; the slideshow stands still for 5 s. The shots are
    // one frame apart: the frame before Enter is released and the frame it is.
    const std::string script = "step 5\ntap down\nstep 1\ntap down\nstep 1\ntap down\nstep 80\n"
                               "tap enter\nstep 80\ntap down\nstep 1\ntap down\nstep 59\n"
                               "down enter\nstep 1\nshot before.png\nup enter\nstep 1\n"
                               "shot after.png\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 1u) << run.output;
    EXPECT_EQ(run.prints[0].at("language"), "en");
    EXPECT_EQ(run.prints[0].at("subItem"), "3");
    // The bar's items and the panel's rows change in the same frame; the slideshow does not.
    const double share = differingShare(before, after);
    EXPECT_GT(share, 0.01);
    EXPECT_LT(share, 0.5);
}

} // namespace

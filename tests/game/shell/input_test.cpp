// The input step's latches in each screen state.
#include "../presentation/headless_game.hpp"
#include "game/shell/input.hpp"

#include <gtest/gtest.h>

namespace {

namespace k = engine::key;

class Input : public ::testing::Test {
  protected:
    void SetUp() override { attachHeadlessEngine(s); }
    // Holds a key for `frames` frames, then releases it for one frame, running the input step.
    void press(int key, int frames = 1) {
        s.engine->setKey(key, true);
        runFrames(s, frames, [&] { HandleInput(s); });
        s.engine->setKey(key, false);
        runFrames(s, 1, [&] { HandleInput(s); });
    }
    GameState s;
};

TEST_F(Input, EscapePausesOnReleaseOnly) {
    s.screenState = 200;
    s.engine->setKey(k::Escape, true);
    runFrames(s, 30, [&] { HandleInput(s); });
    EXPECT_FALSE(s.paused);
    s.engine->setKey(k::Escape, false);
    runFrames(s, 1, [&] { HandleInput(s); });
    EXPECT_TRUE(s.paused);
    EXPECT_EQ(s.pausePanelWidth, 0);
    EXPECT_DOUBLE_EQ(s.panelAlpha, 1.0);
    EXPECT_EQ(s.pauseStart, s.engine->tick() - 16); // the tick of that frame
    press(k::Escape, 5);
    EXPECT_FALSE(s.paused);
}

TEST_F(Input, NoPauseWhileTheLevelFadesOut) {
    s.screenState = 200;
    s.levelWon = true;
    press(k::Escape);
    EXPECT_FALSE(s.paused);
    s.levelWon = false;
    s.quitToMenu = true;
    press(k::Escape);
    EXPECT_FALSE(s.paused);
}

TEST_F(Input, GivingUpOutsideTheScenarioRestartsInsteadOfLosing) {
    s.screenState = 200;
    s.gameMode = 2;
    press(k::Escape);
    press(k::Down);
    press(k::Enter, 10);
    EXPECT_FALSE(s.paused);
    EXPECT_TRUE(s.levelLost);
    EXPECT_TRUE(s.gaveUp);
}

TEST_F(Input, EscapeUnderATutorialPanelLeavesTheTutorialWithoutPausing) {
    s.screenState = 200;
    s.tutorialActive = true;
    s.tutorialStep = 2;
    s.tutorialPanelShown = true;
    s.paused = true;
    press(k::Escape, 4);
    EXPECT_FALSE(s.tutorialActive);
    EXPECT_FALSE(s.tutorialPanelShown);
    EXPECT_FALSE(s.paused);
    EXPECT_TRUE(s.tutorialLeft);
    EXPECT_EQ(s.enemyWanderTick, s.engine->tick() - 16);
    // The same release did not open the pause panel, nor does a later frame.
    runFrames(s, 3, [&] { HandleInput(s); });
    EXPECT_FALSE(s.paused);
}

TEST_F(Input, EnterUnderATutorialPanelGoesToTheNextStep) {
    s.screenState = 200;
    s.tutorialActive = true;
    s.tutorialStep = 1;
    s.tutorialPanelShown = true;
    s.paused = true;
    s.pausedTime = 700;
    press(k::Enter, 3);
    EXPECT_EQ(s.tutorialStep, 2);
    EXPECT_EQ(s.tutorialDelay, 10000u);
    EXPECT_EQ(s.pausedTime, 0u);
    EXPECT_FALSE(s.paused);
    EXPECT_EQ(s.tutorialStepStart, s.engine->tick() - 16);

    s.tutorialStep = 3;
    s.tutorialPanelShown = true;
    s.paused = true;
    press(k::Enter);
    EXPECT_EQ(s.tutorialStep, 4);
    EXPECT_EQ(s.enemyWanderTick, s.engine->tick() - 16);
    EXPECT_TRUE(s.tutorialActive);

    s.tutorialPanelShown = true;
    s.paused = true;
    press(k::Enter);
    EXPECT_EQ(s.tutorialStep, 5);
    EXPECT_FALSE(s.tutorialActive);
}

TEST_F(Input, TutorialArrowsCountWhileHeldInStepOne) {
    s.screenState = 200;
    s.tutorialActive = true;
    s.tutorialStep = 1;
    s.engine->setKey(k::Left, true);
    s.engine->setKey(k::Down, true);
    runFrames(s, 1, [&] { HandleInput(s); });
    EXPECT_TRUE(s.arrowsPressed[1]);
    EXPECT_FALSE(s.arrowsPressed[2]);
    EXPECT_FALSE(s.arrowsPressed[3]);
    EXPECT_TRUE(s.arrowsPressed[4]);
}

TEST_F(Input, IntroSkipsOnReleaseButNotFromTheLoadingScreen) {
    s.screenState = 0;
    s.introFading = false;
    press(k::Space);
    press(k::Enter);
    EXPECT_FALSE(s.introSkip);
    s.screenState = 3;
    press(k::Escape, 20);
    EXPECT_TRUE(s.introSkip);
    EXPECT_TRUE(s.introFading);
}

TEST_F(Input, MenuKeysFireOnceHoweverLongHeld) {
    s.screenState = 50;
    int enters = 0;
    s.engine->setKey(k::Enter, true);
    runFrames(s, 40, [&] {
        HandleInput(s);
        enters += s.menuKeys.enter;
    });
    s.engine->setKey(k::Enter, false);
    runFrames(s, 3, [&] {
        HandleInput(s);
        enters += s.menuKeys.enter;
    });
    EXPECT_EQ(enters, 1);
    s.engine->setKey(k::Right, true);
    runFrames(s, 1, [&] { HandleInput(s); });
    s.engine->setKey(k::Right, false);
    runFrames(s, 1, [&] { HandleInput(s); });
    EXPECT_TRUE(s.menuKeys.right);
    EXPECT_FALSE(s.menuKeys.left);
}

TEST_F(Input, KeysTappedBetweenTwoFramesFireOnceEach) {
    s.screenState = 50;
    int enters = 0;
    auto frames = [&](int count) {
        runFrames(s, count, [&] {
            HandleInput(s);
            enters += s.menuKeys.enter;
        });
    };
    // Pressed and released before the next frame: down in it, up in the one after.
    s.engine->setKey(k::Enter, true);
    s.engine->setKey(k::Enter, false);
    frames(3);
    EXPECT_EQ(enters, 1);
    // Pressed, released and pressed again: the release in between is not lost...
    s.engine->setKey(k::Enter, true);
    s.engine->setKey(k::Enter, false);
    s.engine->setKey(k::Enter, true);
    frames(4);
    EXPECT_EQ(enters, 2);
    // ...nor is the second press doubled.
    s.engine->setKey(k::Enter, false);
    frames(3);
    EXPECT_EQ(enters, 3);

    s.screenState = 200;
    s.engine->setKey(k::Escape, true);
    s.engine->setKey(k::Escape, false);
    runFrames(s, 2, [&] { HandleInput(s); });
    EXPECT_TRUE(s.paused);
}

TEST_F(Input, EndScreensAndHighScoresHaveTheirOwnLatches) {
    s.screenState = 300;
    s.engine->setKey(k::Down, true);
    runFrames(s, 3, [&] { HandleInput(s); });
    EXPECT_TRUE(s.pauseLatchDown);
    EXPECT_FALSE(s.latchDown);
    s.engine->setKey(k::Down, false);
    runFrames(s, 1, [&] { HandleInput(s); });
    EXPECT_FALSE(s.pauseLatchDown);

    s.screenState = 501;
    s.engine->setKey(k::Left, true);
    runFrames(s, 2, [&] { HandleInput(s); });
    EXPECT_TRUE(s.latchLeft);
    s.engine->setKey(k::Left, false);
    runFrames(s, 1, [&] { HandleInput(s); });
    EXPECT_FALSE(s.latchLeft);

    // The level intro reads its own keys.
    s.screenState = 100;
    s.engine->setKey(k::Enter, true);
    runFrames(s, 2, [&] { HandleInput(s); });
    EXPECT_FALSE(s.latchEnter);
    EXPECT_FALSE(s.pauseLatchEnter);
}

} // namespace

// The pause and tutorial panels, the danger alert and the level objects over time.
#include "game/presentation/level_objects.hpp"
#include "game/presentation/panels.hpp"
#include "headless_game.hpp"

#include <gtest/gtest.h>

namespace {

TEST(PausePanel, GrowsToItsFullWidthThenShowsTheChoice) {
    GameState s;
    attachHeadlessEngine(s);
    s.paused = true;
    s.pausePanelWidth = 0;
    s.panelAlpha = 1;
    s.pauseStart = s.engine->tick();
    runFrames(s, 1, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.pausePanelWidth, 8); // 0.5 px per ms
    runFrames(s, 38, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.pausePanelWidth, 312);
    EXPECT_DOUBLE_EQ(s.selectionAlpha, 0.0);
    runFrames(s, 1, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.pausePanelWidth, 320); // 320 once past 319
    runFrames(s, 1, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_NEAR(s.selectionAlpha, 0.096, 1e-9);
    runFrames(s, 20, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.selectionAlpha, 1.0);
    EXPECT_EQ(s.pausedTime, 60u * 16u); // the tick moves on when a frame is presented
}

TEST(PausePanel, GrowthRoundsHalvesToEven) {
    GameState s;
    attachHeadlessEngine(s, 5.0f); // 2.5 px a frame
    s.paused = true;
    s.pausePanelWidth = 0;
    runFrames(s, 1, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.pausePanelWidth, 2); // 2.5 -> 2
    s.pausePanelWidth = 1;
    runFrames(s, 1, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.pausePanelWidth, 4); // 3.5 -> 4
}

TEST(PausePanel, FadesOutAfterClosingThenClearsTheTutorialFlags) {
    GameState s;
    attachHeadlessEngine(s);
    s.paused = false;
    s.pausePanelWidth = 320;
    s.panelAlpha = 1;
    s.selectionAlpha = 1;
    s.tutorialPanelClosing = true;
    s.tutorialLeft = true;
    runFrames(s, 10, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_NEAR(s.panelAlpha, 1 - 10 * 0.064, 1e-9);
    EXPECT_TRUE(s.tutorialPanelClosing);
    runFrames(s, 6, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.panelAlpha, 0.0);
    EXPECT_DOUBLE_EQ(s.selectionAlpha, 0.0);
    runFrames(s, 1, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_FALSE(s.tutorialPanelClosing);
    EXPECT_FALSE(s.tutorialLeft);
}

TEST(PausePanel, APauseEndsEveryChaseAndDrainWhenSoundIsOn) {
    GameState s;
    attachHeadlessEngine(s);
    s.soundOn = true;
    s.paused = true;
    s.gravityDrain = true;
    s.enemyCount = 2;
    s.enemyFollowing[1] = true;
    s.enemyFollowing[2] = true;
    runFrames(s, 1, [&] { drawPausePanel(s, s.engine->elapsedMs()); });
    EXPECT_FALSE(s.gravityDrain);
    EXPECT_FALSE(s.enemyFollowing[1]);
    EXPECT_FALSE(s.enemyFollowing[2]);
}

class TutorialTrigger : public ::testing::Test {
  protected:
    void SetUp() override {
        attachHeadlessEngine(s);
        s.tutorialActive = true;
        s.tutorialStep = 0;
        s.tutorialDelay = 5000;
        s.tutorialStepStart = s.engine->tick();
    }
    // Frames of 16 ms until the panel shows (or the limit).
    int framesUntilPanel(int limit) {
        for (int i = 1; i <= limit; ++i) {
            runFrames(s, 1, [&] { triggerTutorialPanel(s); });
            if (s.tutorialPanelShown)
                return i;
        }
        return -1;
    }
    GameState s;
};

TEST_F(TutorialTrigger, ThePanelWaitsForItsDelay) {
    // Frame i sees (i - 1) * 16 ms: 5000 ms is passed (strictly) at the 314th frame.
    EXPECT_EQ(framesUntilPanel(400), 314);
    EXPECT_TRUE(s.paused);
    EXPECT_DOUBLE_EQ(s.panelAlpha, 1.0);
    EXPECT_TRUE(s.tutorialPanelClosing);
}

TEST_F(TutorialTrigger, PausedTimeDoesNotCount) {
    s.pausedTime = 1600;
    EXPECT_EQ(framesUntilPanel(500), 414);
}

TEST_F(TutorialTrigger, StepConditions) {
    s.tutorialStep = 1;
    s.arrowsPressed = {false, true, true, true, false};
    EXPECT_EQ(framesUntilPanel(400), -1);
    s.arrowsPressed[4] = true;
    EXPECT_EQ(framesUntilPanel(1), 1);

    s.tutorialPanelShown = false;
    s.tutorialStep = 3;
    s.tutorialBubbles = 2;
    EXPECT_EQ(framesUntilPanel(5), -1);
    s.tutorialBubbles = 3;
    EXPECT_EQ(framesUntilPanel(1), 1);

    s.tutorialPanelShown = false;
    s.tutorialStep = 5;
    EXPECT_EQ(framesUntilPanel(5), -1);
}

TEST(DangerAlert, PulsesOnlyWhileNotPaused) {
    GameState s;
    attachHeadlessEngine(s);
    s.alertEnabled = true;
    s.alertActive = true;
    runFrames(s, 31, [&] { drawDangerAlert(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.alertPhase, 1);
    runFrames(s, 1, [&] { drawDangerAlert(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.alertPhase, 2); // 0.512 >= 0.5
    const double alpha = s.alertAlpha;
    s.paused = true;
    runFrames(s, 10, [&] { drawDangerAlert(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.alertAlpha, alpha);
    s.paused = false;
    runFrames(s, 40, [&] { drawDangerAlert(s, s.engine->elapsedMs()); });
    EXPECT_EQ(s.alertPhase, 1);
    EXPECT_GE(s.alertAlpha, 0.0);
}

TEST(LevelObjects, AnimateWhileNotPausedAndWrap) {
    GameState s;
    attachHeadlessEngine(s);
    s.mapNumber = 7;
    s.conveyorUpperOffset = -10;
    s.conveyorLowerOffset = -1014;
    s.bottleX[3] = 1023.5;
    s.wheelAngle = 359;
    runFrames(s, 1, [&] { drawBackObjects(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.conveyorUpperOffset, -9.2);
    EXPECT_DOUBLE_EQ(s.bottleX[3], -60.0);
    EXPECT_NEAR(s.wheelAngle, 2.2, 1e-9);
    runFrames(s, 12, [&] { drawBackObjects(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.conveyorUpperOffset, -1024.0);
    EXPECT_DOUBLE_EQ(s.conveyorLowerOffset, 0.0);

    s.paused = true;
    const double bottle = s.bottleX[1];
    runFrames(s, 5, [&] { drawBackObjects(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.bottleX[1], bottle);

    s.mapNumber = 1;
    s.paused = false;
    s.celestialAngle = 104.999;
    runFrames(s, 1, [&] { drawBackObjects(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.celestialAngle, 78.0);

    // The map-6 light keeps its cycle while paused.
    s.mapNumber = 6;
    s.paused = true;
    s.lightTimer = 7890;
    runFrames(s, 1, [&] { drawFrontObjects(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.lightTimer, 0.0);
    runFrames(s, 2, [&] { drawFrontObjects(s, s.engine->elapsedMs()); });
    EXPECT_DOUBLE_EQ(s.lightTimer, 32.0);
}

} // namespace

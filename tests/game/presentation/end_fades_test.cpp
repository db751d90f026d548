// The fades that end a level or leave it for the main menu.
#include "game/presentation/end_fades.hpp"
#include "headless_game.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The built-in level files are read relative to the installation root.
class EndFades : public ::testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(BRIMZEL_TREE);
        attachHeadlessEngine(s);
    }
    void TearDown() override { std::filesystem::current_path(previous); }
    void fadeFrames(int frames) {
        runFrames(s, frames, [&] {
            runEndOfLevelFade(s, s.engine->elapsedMs());
            runQuitToMenuFade(s, s.engine->elapsedMs());
        });
    }
    std::filesystem::path previous;
    GameState s;
};

TEST_F(EndFades, AWonScenarioLevelCountsUpAndGoesToTheWinScreen) {
    s.screenState = 200;
    s.gameMode = 1;
    s.levelWon = true;
    s.score = 100;
    s.displayedScore = 40;
    s.scoreCounting = true;
    s.lastScoreTick = s.engine->tick();
    s.minutes = 0;
    s.seconds = 3;
    fadeFrames(10);
    // A step once more than 20 ms have passed: with 16 ms frames every second frame.
    EXPECT_EQ(s.displayedScore, 48);
    EXPECT_EQ(s.minutes, 0);
    EXPECT_EQ(s.seconds, 0); // never below 00 : 00
    EXPECT_EQ(s.screenState, 200);
    fadeFrames(53);
    EXPECT_EQ(s.screenState, 300);
    EXPECT_EQ(s.endScreenKind, 3);
    EXPECT_EQ(s.displayedScore, 100);
    EXPECT_FALSE(s.scoreCounting);
    EXPECT_DOUBLE_EQ(s.endFade, 0.0);
}

TEST_F(EndFades, ALostScenarioLevelGoesToTheLoseScreen) {
    s.screenState = 200;
    s.gameMode = 1;
    s.levelLost = true;
    fadeFrames(62);
    EXPECT_EQ(s.screenState, 200); // 62 * 16 ms = 0.992
    fadeFrames(1);
    EXPECT_EQ(s.screenState, 300);
    EXPECT_EQ(s.endScreenKind, 1);
}

TEST_F(EndFades, GivingUpABubbleMatchRestartsTheLevelAtItsIntro) {
    s.screenState = 200;
    s.gameMode = 2;
    s.levelLost = true;
    s.gaveUp = true;
    s.energy = 20;
    s.bubblesCollected = 4;
    s.displayedScore = 80;
    s.score = 80;
    fadeFrames(63);
    EXPECT_EQ(s.screenState, 100);
    EXPECT_FALSE(s.gaveUp);
    EXPECT_FALSE(s.levelLost);
    EXPECT_EQ(s.energy, 100);
    EXPECT_EQ(s.bubblesCollected, 0);
    EXPECT_EQ(s.displayedScore, 0);
}

TEST_F(EndFades, AFinishedTimeAttackGoesToTheHighScoreEntry) {
    s.screenState = 200;
    s.gameMode = 3;
    s.levelWon = true;
    fadeFrames(63);
    // 501 to enter a name, or 500 when the score takes no place.
    EXPECT_GE(s.screenState, 500);
    EXPECT_LE(s.screenState, 501);
    EXPECT_TRUE(s.highscoreScreenActive);
}

TEST_F(EndFades, QuittingResetsTheRunAndTheMenu) {
    s.screenState = 200;
    s.quitToMenu = true;
    s.levelNumber = 7;
    s.lives = 1;
    s.energy = 3;
    s.displayedScore = 500;
    s.loseChoice = 3;
    s.menuItem = 4;
    s.itemWidth = {0, 150, 150, 150, 248, 150};
    fadeFrames(62);
    EXPECT_EQ(s.screenState, 200);
    fadeFrames(1);
    EXPECT_EQ(s.screenState, 50);
    EXPECT_FALSE(s.quitToMenu);
    EXPECT_EQ(s.levelNumber, 1);
    EXPECT_EQ(s.lives, 3);
    EXPECT_EQ(s.energy, 100);
    EXPECT_EQ(s.displayedScore, 0);
    EXPECT_EQ(s.loseChoice, 1);
    EXPECT_EQ(s.menuItem, 1);
    EXPECT_DOUBLE_EQ(s.itemWidth[1], 248);
    EXPECT_DOUBLE_EQ(s.itemWidth[4], 150);
    EXPECT_FALSE(s.levelLoadFailed); // level 1 was set up again
}

} // namespace

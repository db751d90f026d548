// The main menu's cursor rules and key actions, on a game state without a display.
#include "game/shell/main_menu.hpp"
#include "game/state/game_state.hpp"

#include <gtest/gtest.h>

namespace {

enum class Key { Right, Left, Down, Up, Enter };

class MenuCursor : public ::testing::Test {
  protected:
    void SetUp() override {
        state.soundOn = false;
        state.musicOn = false;
        state.screenState = 50;
    }
    void press(Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            state.menuKeys = {};
            switch (key) {
            case Key::Right:
                state.menuKeys.right = true;
                break;
            case Key::Left:
                state.menuKeys.left = true;
                break;
            case Key::Down:
                state.menuKeys.down = true;
                break;
            case Key::Up:
                state.menuKeys.up = true;
                break;
            case Key::Enter:
                state.menuKeys.enter = true;
                break;
            }
            applyMenuKeys(state);
        }
    }
    // Opens the submenu of a top item, the panel fully open.
    void openItem(int item) {
        state.menuItem = static_cast<std::int16_t>(item);
        press(Key::Enter);
        state.panelSize = 500;
    }
    GameState state;
};

TEST_F(MenuCursor, TopItemsStopAtBothEnds) {
    press(Key::Up);
    EXPECT_EQ(state.menuItem, 1);
    press(Key::Down, 7);
    EXPECT_EQ(state.menuItem, 5);
    EXPECT_EQ(state.helpLineItem, 5);
    press(Key::Up, 2);
    EXPECT_EQ(state.menuItem, 3);
}

TEST_F(MenuCursor, SubmenusOpenWithTheirRowCounts) {
    const int rows[] = {0, 4, 0, 4, 5, 2};
    for (int item : {1, 3, 4, 5}) {
        state.submenuOpen = false;
        openItem(item);
        EXPECT_TRUE(state.submenuOpen) << item;
        EXPECT_EQ(state.panelState, 1);
        EXPECT_EQ(state.subItem, 1);
        EXPECT_EQ(state.subItemCount, rows[item]) << item;
    }
}

TEST_F(MenuCursor, AShrinkingPanelKeepsTheRowCursorAndTheTopItem) {
    openItem(4);
    press(Key::Down, 4);
    press(Key::Enter); // back
    EXPECT_FALSE(state.submenuOpen);
    EXPECT_EQ(state.panelState, 2);
    ASSERT_GT(state.panelSize, 0.0);
    press(Key::Up);
    EXPECT_EQ(state.menuItem, 4);
    EXPECT_EQ(state.subItem, 4);
    state.panelSize = 0;
    press(Key::Up);
    EXPECT_EQ(state.menuItem, 3);
}

TEST_F(MenuCursor, ContinueDoesNothingWithoutSavingOrWithoutASave) {
    state.menuItem = 2;
    state.saveEnabled = false;
    press(Key::Enter);
    EXPECT_FALSE(state.startGame);
    EXPECT_FALSE(state.submenuOpen);
    // The test runs where no save/save.txt exists.
    state.saveEnabled = true;
    press(Key::Enter);
    EXPECT_FALSE(state.startGame);
}

TEST_F(MenuCursor, TheScenarioViewerSkipsItsLevelRow) {
    openItem(3);
    press(Key::Down);
    EXPECT_EQ(state.subItem, 3);
    press(Key::Up);
    EXPECT_EQ(state.subItem, 1);
    press(Key::Right); // bubble match has a table per level
    EXPECT_EQ(state.viewerMode, 2);
    press(Key::Down);
    EXPECT_EQ(state.subItem, 2);
    press(Key::Left);
    EXPECT_EQ(state.viewerLevel, 17);
    press(Key::Right, 2);
    EXPECT_EQ(state.viewerLevel, 2);
    press(Key::Up);
    press(Key::Right, 2);
    EXPECT_EQ(state.viewerMode, 1);
    press(Key::Left);
    EXPECT_EQ(state.viewerMode, 3);
}

TEST_F(MenuCursor, ShowingATableLeavesForItsMode) {
    openItem(3);
    state.viewerMode = 3;
    state.viewerLevel = 17;
    press(Key::Down, 2);
    press(Key::Enter);
    EXPECT_TRUE(state.highscoreScreenActive);
    EXPECT_EQ(state.gameMode, 3);
    EXPECT_EQ(state.levelNumber, 17);
    EXPECT_TRUE(state.userLevel);
    // The menu no longer moves while it fades out.
    press(Key::Up);
    EXPECT_EQ(state.subItem, 3);
}

TEST_F(MenuCursor, AnEmptyUserSetJumpsBetweenSetAndBack) {
    openItem(1);
    press(Key::Down);
    press(Key::Enter);
    ASSERT_TRUE(state.levelSelectOpen);
    EXPECT_EQ(state.levelSelectRow, 1);
    state.levelChoice = 5;
    press(Key::Right);
    EXPECT_EQ(state.levelSet, 2);
    EXPECT_EQ(state.levelChoice, 1);
    press(Key::Down);
    EXPECT_EQ(state.levelSelectRow, 4);
    press(Key::Up);
    EXPECT_EQ(state.levelSelectRow, 1);
    EXPECT_TRUE(levelPanelRows(state).numberId[2].empty());
    press(Key::Left);
    EXPECT_EQ(state.levelSet, 1);
    press(Key::Down);
    EXPECT_EQ(state.levelSelectRow, 2);
    EXPECT_EQ(levelPanelRows(state).numberId[2], "03_02_01");
}

TEST_F(MenuCursor, LevelNumbersWrapAtTheSetsSize) {
    state.userLevelCount = 3;
    openItem(1);
    press(Key::Down, 2); // time attack
    press(Key::Enter);
    press(Key::Down);
    press(Key::Left);
    EXPECT_EQ(state.levelChoice, 16);
    press(Key::Right);
    EXPECT_EQ(state.levelChoice, 1);
    press(Key::Up);
    press(Key::Right); // user levels
    press(Key::Down);
    press(Key::Left);
    EXPECT_EQ(state.levelChoice, 3);
    press(Key::Right);
    EXPECT_EQ(state.levelChoice, 1);
    press(Key::Right);
    press(Key::Down);
    press(Key::Enter);
    EXPECT_TRUE(state.startGame);
    EXPECT_EQ(state.gameMode, 3);
    EXPECT_EQ(state.levelNumber, 18);
    EXPECT_TRUE(state.userLevel);
    EXPECT_EQ(state.lives, 0);
    EXPECT_EQ(state.energy, 100);
    EXPECT_FALSE(state.tutorialActive);
}

TEST_F(MenuCursor, TheScenarioStartsWithTheTutorialAndThreeLives) {
    state.lives = 0;
    state.tutorialStep = 3;
    state.arrowsPressed = {true, true, true, true, true};
    state.userLevel = true;
    state.displayedScore = 55;
    openItem(1);
    press(Key::Enter);
    EXPECT_TRUE(state.startGame);
    EXPECT_EQ(state.gameMode, 1);
    EXPECT_EQ(state.levelNumber, 1);
    EXPECT_EQ(state.lives, 3);
    EXPECT_EQ(state.displayedScore, 0);
    EXPECT_TRUE(state.tutorialActive);
    EXPECT_EQ(state.tutorialStep, 0);
    EXPECT_EQ(state.tutorialDelay, 5000u);
    EXPECT_FALSE(state.arrowsPressed[1]);
    EXPECT_FALSE(state.userLevel);
}

TEST_F(MenuCursor, OptionsToggleAndExitEndsTheLoop) {
    state.language = "cz";
    openItem(4);
    press(Key::Enter);
    EXPECT_TRUE(state.musicOn);
    press(Key::Down);
    press(Key::Enter);
    EXPECT_TRUE(state.soundOn);
    state.soundOn = false;
    press(Key::Down);
    press(Key::Enter);
    EXPECT_EQ(state.language, "en");
    EXPECT_EQ(menuPictureKey(state, "04_03_02"), "mainmenu_en04_03_02");
    EXPECT_EQ(submenuRows(state).ids[3], "04_03_02");
    press(Key::Down);
    const bool alert = state.alertEnabled;
    press(Key::Enter);
    EXPECT_NE(state.alertEnabled, alert);
    press(Key::Down, 3);
    EXPECT_EQ(state.subItem, 5);
    press(Key::Enter);
    EXPECT_FALSE(state.submenuOpen);

    state.bLoop = true;
    state.panelSize = 0;
    press(Key::Down);
    openItem(5);
    press(Key::Enter); // no
    EXPECT_TRUE(state.bLoop);
    EXPECT_FALSE(state.submenuOpen);
    openItem(5);
    press(Key::Down);
    press(Key::Enter);
    EXPECT_FALSE(state.bLoop);
}

} // namespace

#include "game/state/run_reset.hpp"

#include "game/state/game_state.hpp"

void resetMainMenu(GameState& state) {
    state.menuItem = 1;
    state.itemWidth = {0.0, 248.0, 150.0, 150.0, 150.0, 150.0};
    state.submenuOpen = false;
    state.subItem = 1;
    state.subItemCount = 0;
    state.levelSelectOpen = false;
    state.levelSelectRow = 1;
    state.panelSize = 0.0;
    state.panelState = 3;
    state.levelPanelAlpha = 0.0;
    state.levelPanelState = 0;
    state.backgroundIndex = 1;
    state.backgroundAlpha = 1.0;
    state.backgroundTimer = 0.0;
    state.startGame = false;
    state.highscoreScreenActive = false;
    state.leaveFade = 0.0;
}

void resetRun(GameState& state) {
    state.levelLost = false;
    state.levelWon = false;
    state.bubblesCollected = 0;
    state.lives = 3;
    state.energy = 100;
    // Level 1 of the built-in set: the menu's reload must not ask for a user level.
    state.levelNumber = 1;
    state.userLevel = false;
    state.displayedScore = 0;
    state.loseChoice = 1;
    state.winChoice = 1;
    resetMainMenu(state);
}

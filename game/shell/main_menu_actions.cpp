// The key actions of the main menu. Each fires on the release of its key (the input step
// found it released this frame); Right, Left, Down, Up and Enter are tested in that order.
#include "game/gameplay/saved_progress_flow.hpp"
#include "game/presentation/highscore_table.hpp"
#include "game/shell/main_menu.hpp"
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

namespace {

enum TopItem { kNewGame = 1, kContinue = 2, kHighscores = 3, kOptions = 4, kExit = 5 };

bool submenuActive(const GameState& state) {
    // A closed submenu whose panel is still shrinking keeps its row cursor.
    return state.submenuOpen || state.panelSize > 0.0;
}

void openSubmenu(GameState& state, int rows) {
    PlaySoundCase(state, 2);
    state.submenuOpen = true;
    state.panelState = 1;
    state.subItem = 1;
    state.subItemCount = static_cast<std::int16_t>(rows);
}

void closeSubmenu(GameState& state) {
    PlaySoundCase(state, 2);
    state.submenuOpen = false;
    state.panelState = 2;
}

void selectTopItem(GameState& state, int item) {
    if (item < 1 || item > 5 || item == state.menuItem)
        return;
    state.menuItem = static_cast<std::int16_t>(item);
    LoadHelpLine(state);
    PlaySoundCase(state, 1);
}

// The scenario has a single table, so the viewer's level row is skipped while it is chosen.
bool skipsViewerLevelRow(const GameState& state) {
    return state.menuItem == kHighscores && state.viewerMode == 1;
}

bool userSetIsEmpty(const GameState& state) {
    return state.levelSet == 2 && state.userLevelCount <= 0;
}

void moveRowDown(GameState& state) {
    if (state.levelSelectOpen) {
        int row = state.levelSelectRow;
        if (row == 1 && userSetIsEmpty(state))
            row = 4;
        else if (row < 4)
            ++row;
        if (row != state.levelSelectRow) {
            state.levelSelectRow = static_cast<std::int16_t>(row);
            PlaySoundCase(state, 3);
        }
        return;
    }
    int row = state.subItem;
    if (row == 1 && skipsViewerLevelRow(state))
        row = 3;
    else if (row < state.subItemCount)
        ++row;
    if (row != state.subItem) {
        state.subItem = static_cast<std::int16_t>(row);
        PlaySoundCase(state, 3);
    }
}

void moveRowUp(GameState& state) {
    if (state.levelSelectOpen) {
        int row = state.levelSelectRow;
        if (row == 4 && userSetIsEmpty(state))
            row = 1;
        else if (row > 1)
            --row;
        if (row != state.levelSelectRow) {
            state.levelSelectRow = static_cast<std::int16_t>(row);
            PlaySoundCase(state, 3);
        }
        return;
    }
    int row = state.subItem;
    if (row == 3 && skipsViewerLevelRow(state))
        row = 1;
    else if (row > 1)
        --row;
    if (row != state.subItem) {
        state.subItem = static_cast<std::int16_t>(row);
        PlaySoundCase(state, 3);
    }
}

int wrapped(int value, int step, int limit) {
    value += step;
    if (value > limit)
        return 1;
    if (value < 1)
        return limit;
    return value;
}

// Right (step +1) or Left (step -1) on the value rows.
void changeValue(GameState& state, int step) {
    if (state.levelSelectOpen) {
        if (state.levelSelectRow == 1) {
            state.levelSet = state.levelSet == 1 ? 2 : 1;
            state.levelChoice = 1;
            PlaySoundCase(state, 9);
        } else if (state.levelSelectRow == 2) {
            const int limit = levelChoiceLimit(state);
            if (limit < 1)
                return;
            state.levelChoice = static_cast<std::int16_t>(wrapped(state.levelChoice, step, limit));
            PlaySoundCase(state, 9);
        }
        return;
    }
    if (state.menuItem != kHighscores || !submenuActive(state))
        return;
    if (state.subItem == 1)
        state.viewerMode = static_cast<std::int16_t>(wrapped(state.viewerMode, step, 3));
    else if (state.subItem == 2)
        state.viewerLevel = static_cast<std::int16_t>(wrapped(state.viewerLevel, step, 17));
}

void clearLevelFlags(GameState& state) {
    state.levelWon = false;
    state.levelLost = false;
    state.gaveUp = false;
    state.quitToMenu = false;
}

void startScenario(GameState& state) {
    PlaySoundCase(state, 8);
    state.startGame = true;
    state.leaveFade = 0.0;
    state.bubblesCollected = 0;
    state.lives = 3;
    state.energy = 100;
    state.levelNumber = 1;
    state.score = 0;
    state.displayedScore = 0;
    state.gameMode = 1;
    state.tutorialActive = true;
    state.tutorialStep = 0;
    state.tutorialDelay = 5000;
    // A tutorial left half-way in an earlier run must not carry its progress over.
    state.tutorialPanelShown = false;
    state.tutorialPanelClosing = false;
    state.tutorialLeft = false;
    state.tutorialBubbles = 0;
    state.pausedTime = 0;
    state.arrowsPressed = {};
    clearLevelFlags(state);
    state.userLevel = false;
    state.alertActive = false;
    state.bubbleVisible = false;
}

void startChosenLevel(GameState& state) {
    PlaySoundCase(state, 8);
    state.startGame = true;
    state.leaveFade = 0.0;
    state.userLevel = state.levelSet == 2;
    state.levelNumber =
        static_cast<std::int16_t>(state.userLevel ? state.levelChoice + 16 : state.levelChoice);
    state.lives = 0;
    state.energy = 100;
    state.score = 0;
    state.displayedScore = 0;
    state.bubblesCollected = 0;
    state.gameMode = state.subItem; // 2 bubble match, 3 time attack
    state.tutorialActive = false;
    clearLevelFlags(state);
}

void chooseNewGameRow(GameState& state) {
    switch (state.subItem) {
    case 1:
        startScenario(state);
        break;
    case 2:
    case 3:
        PlaySoundCase(state, 8);
        state.levelSelectOpen = true;
        state.levelPanelState = 1;
        state.levelSelectRow = 1;
        break;
    default:
        closeSubmenu(state);
        break;
    }
}

void chooseLevelPanelRow(GameState& state) {
    if (state.levelSelectRow == 3) {
        startChosenLevel(state);
    } else if (state.levelSelectRow == 4) {
        PlaySoundCase(state, 8);
        state.levelPanelState = 2;
    }
}

void chooseViewerRow(GameState& state) {
    if (state.subItem == 3) {
        PlaySoundCase(state, 8);
        state.gameMode = state.viewerMode;
        state.levelNumber = state.viewerLevel;
        state.userLevel = state.viewerLevel == 17;
        loadHighscoreTable(state);
        state.newPlace = 0;
        state.leaveFade = 0.0;
        state.highscoreScreenActive = true;
    } else if (state.subItem == 4) {
        closeSubmenu(state);
    }
}

void chooseOptionRow(GameState& state) {
    switch (state.subItem) {
    case 1:
        state.musicOn = !state.musicOn;
        PlaySoundCase(state, 8);
        if (state.musicOn)
            playMusic(state, kMusicMenu, state.menuMusicChannel);
        else
            pauseChannel(state, state.menuMusicChannel);
        break;
    case 2:
        state.soundOn = !state.soundOn;
        PlaySoundCase(state, 8); // heard only when switched on
        break;
    case 3:
        state.language = state.language == "cz" ? "en" : "cz";
        PlaySoundCase(state, 8);
        break;
    case 4:
        state.alertEnabled = !state.alertEnabled;
        PlaySoundCase(state, 8);
        break;
    default:
        closeSubmenu(state);
        break;
    }
}

void chooseExitRow(GameState& state) {
    if (state.subItem == 1) {
        closeSubmenu(state);
    } else {
        PlaySoundCase(state, 8);
        state.bLoop = false;
    }
}

void pressEnter(GameState& state) {
    if (!state.submenuOpen) {
        switch (state.menuItem) {
        case kNewGame:
            openSubmenu(state, 4);
            break;
        case kContinue:
            if (state.saveEnabled)
                continueSavedGame(state);
            break;
        case kHighscores:
            openSubmenu(state, 4);
            break;
        case kOptions:
            openSubmenu(state, 5);
            break;
        case kExit:
            openSubmenu(state, 2);
            break;
        default:
            break;
        }
        return;
    }
    if (state.levelSelectOpen) {
        chooseLevelPanelRow(state);
        return;
    }
    switch (state.menuItem) {
    case kNewGame:
        chooseNewGameRow(state);
        break;
    case kHighscores:
        chooseViewerRow(state);
        break;
    case kOptions:
        chooseOptionRow(state);
        break;
    case kExit:
        chooseExitRow(state);
        break;
    default:
        break;
    }
}

} // namespace

int levelChoiceLimit(const GameState& state) {
    return state.levelSet == 2 ? state.userLevelCount : 16;
}

void applyMenuKeys(GameState& state) {
    const GameState::ReleasedKeys keys = state.menuKeys;
    state.menuKeys = {};
    // The menu is on its way out: the white fade runs to its end.
    if (state.startGame || state.highscoreScreenActive)
        return;
    if (keys.right)
        changeValue(state, +1);
    if (keys.left)
        changeValue(state, -1);
    if (keys.down) {
        if (submenuActive(state))
            moveRowDown(state);
        else
            selectTopItem(state, state.menuItem + 1);
    }
    if (keys.up) {
        if (submenuActive(state))
            moveRowUp(state);
        else
            selectTopItem(state, state.menuItem - 1);
    }
    if (keys.enter)
        pressEnter(state);
}

#include "game/presentation/end_screens.hpp"

#include "game/gameplay/bubble_placement.hpp"
#include "game/gameplay/level_setup.hpp"
#include "game/gameplay/play_start.hpp"
#include "game/gameplay/saved_progress_flow.hpp"
#include "game/presentation/highscore_table.hpp"
#include "game/state/game_state.hpp"
#include "game/state/run_reset.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>

namespace {

constexpr int kLastScenarioLevel = 16;

void drawChoice(GameState& state, const std::string& key) {
    engine::Engine& e = *state.engine;
    e.drawTexture(e.texture(key), 50, 538, 202, 718);
}

void drawScreens(GameState& state) {
    engine::Engine& e = *state.engine;
    const std::string& language = state.language;
    if (state.saveScreenShown) {
        e.drawTexture(e.texture("gamescreen_save"), 0, 0, 1024, 768);
        // Any language but Czech shows the English picture.
        drawChoice(state, language == "cz" ? "gamescreen_save_cz_s1" : "gamescreen_save_en_s1");
        return;
    }
    if (state.levelLost) {
        e.drawTexture(e.texture("gamescreen_youlose"), 0, 0, 1024, 768);
        drawChoice(state,
                   "gamescreen_youlose_" + language + "_s" + std::to_string(state.loseChoice));
    }
    if (state.levelWon) {
        e.drawTexture(e.texture("gamescreen_youwin"), 0, 0, 1024, 768);
        drawChoice(state, "gamescreen_youwin_" + language + "_s" + std::to_string(state.winChoice));
    }
}

void continueAfterLoss(GameState& state) {
    pauseChannel(state, state.menuMusicChannel);
    playMusic(state, kMusicGame, state.gameMusicChannel);
    state.levelLost = false;
    state.continueFade = false;
    state.bubblesCollected = 0;
    --state.lives;
    state.energy = 100;
    if (!gameplay::loadLevel(state))
        return; // reported by the frame loop, back in the menu
    state.screenState = 200;
    startPlayTimers(state);
    placeBubble(state);
}

void continueAfterWin(GameState& state) {
    ++state.levelNumber;
    pauseChannel(state, state.menuMusicChannel);
    // A new map begins after an even level: its level intro comes first.
    const bool newMap = state.levelNumber % 2 == 1;
    if (newMap) {
        playMusic(state, kMusicLevelIntro, state.levelIntroChannel);
        state.screenState = 100;
        state.energy = 100;
        state.introFading = false;
        state.introFade = 0.0;
        state.introTextTop = 768.0;
        state.pressTop = 768.0;
    } else {
        playMusic(state, kMusicGame, state.gameMusicChannel);
        state.screenState = 200;
    }
    state.levelWon = false;
    state.continueFade = false;
    state.bubblesCollected = 0;
    if (!gameplay::loadLevel(state))
        return; // reported by the frame loop, back in the menu
    if (!newMap)
        startPlayTimers(state);
    placeBubble(state);
}

void quitRun(GameState& state, bool changeScreen) {
    resetRun(state);
    if (changeScreen)
        state.screenState = 50;
    state.quitToMenu = false;
    gameplay::loadLevel(state);
}

void finishFade(GameState& state) {
    if (state.saveFade) {
        state.endScreenKind = 2;
        state.saveScreenShown = true;
        state.saveFade = false;
    } else if (state.backFade) {
        state.saveScreenShown = false;
        state.backFade = false;
        if (state.levelLost)
            state.endScreenKind = 1;
        if (state.levelWon)
            state.endScreenKind = 3;
    } else if (state.highscoreFade) {
        state.highscoreFade = false;
        openHighscoreEntry(state);
        // The run starts afresh behind the table; the table keeps the score it took.
        const std::int16_t screen = state.screenState;
        quitRun(state, false);
        state.screenState = screen;
        state.highscoreScreenActive = true;
    } else if (state.quitToMenu) {
        quitRun(state, true);
    } else if (state.continueFade) {
        if (state.levelLost)
            continueAfterLoss(state);
        else
            continueAfterWin(state);
    }
    state.endFade = 0.0;
    state.engine->fadeIn(1, 1, 1, 500);
}

bool fadePending(const GameState& state) {
    return state.saveFade || state.backFade || state.highscoreFade || state.quitToMenu ||
           state.continueFade;
}

void startFade(GameState& state, bool& flag) {
    state.endFade = 0.0;
    flag = true;
}

void moveChoice(GameState& state, std::int16_t& choice, int step) {
    const int moved = choice + step;
    if (moved < 1 || moved > 3)
        return;
    choice = static_cast<std::int16_t>(moved);
    PlaySoundCase(state, 10);
}

// The progress-saved screen follows only a save that was written; a failed one was reported
// and the player stays on this screen.
void saveAndShowSaved(GameState& state) {
    if (saveProgressFromEndScreen(state))
        startFade(state, state.saveFade);
}

void chooseOnLoseScreen(GameState& state) {
    switch (state.loseChoice) {
    case 1:
        startFade(state, state.lives != 0 ? state.continueFade : state.quitToMenu);
        break;
    case 2:
        if (state.lives > 0)
            saveAndShowSaved(state);
        break;
    default:
        startFade(state, state.quitToMenu);
        break;
    }
}

void chooseOnWinScreen(GameState& state) {
    switch (state.winChoice) {
    case 1:
        startFade(state, state.levelNumber >= kLastScenarioLevel ? state.highscoreFade
                                                                 : state.continueFade);
        break;
    case 2:
        saveAndShowSaved(state);
        break;
    default:
        startFade(state, state.quitToMenu);
        break;
    }
}

} // namespace

void drawEndScreen(GameState& state) {
    engine::Engine& e = *state.engine;
    const float dt = e.elapsedMs();
    drawScreens(state);
    if (!fadePending(state))
        return;
    state.endFade += 0.001 * dt;
    if (state.continueFade && state.musicOn)
        setChannelVolume(state, state.menuMusicChannel,
                         static_cast<float>(std::clamp(1.0 - state.endFade, 0.0, 1.0)));
    const double alpha = std::min(state.endFade, 1.0);
    if (state.endFade > 1.0)
        finishFade(state);
    e.drawTexture(e.texture("white"), 0, 0, 1024, 768,
                  engine::Corners::all(engine::makeColor(1, 1, 1, static_cast<float>(alpha))));
}

void applyEndScreenKeys(GameState& state) {
    const GameState::ReleasedKeys keys = state.endScreenKeys;
    state.endScreenKeys = {};
    if (state.screenState < 300 || state.screenState > 499)
        return;
    // A choice is being carried out: the screen waits for its fade.
    if (fadePending(state))
        return;
    std::int16_t* choice = state.endScreenKind == 1   ? &state.loseChoice
                           : state.endScreenKind == 3 ? &state.winChoice
                                                      : nullptr;
    if (choice && keys.up)
        moveChoice(state, *choice, -1);
    if (choice && keys.down)
        moveChoice(state, *choice, +1);
    if (!keys.enter)
        return;
    PlaySoundCase(state, 8);
    if (state.endScreenKind == 2)
        startFade(state, state.backFade);
    else if (state.endScreenKind == 1)
        chooseOnLoseScreen(state);
    else if (state.endScreenKind == 3)
        chooseOnWinScreen(state);
}

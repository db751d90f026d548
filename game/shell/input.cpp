#include "game/shell/input.hpp"

#include "game/gameplay/bubble_placement.hpp"
#include "game/presentation/end_screens.hpp"
#include "game/presentation/highscore_screen.hpp"
#include "game/state/game_state.hpp"
#include "game/state/key_latch.hpp"
#include "game/state/sound_player.hpp"

void startPause(GameState& state) {
    state.paused = true;
    state.pausePanelWidth = 0;
    state.panelAlpha = 1.0;
    state.pauseStart = state.engine->tick();
}

namespace {

bool down(const GameState& state, int keyCode) {
    return state.engine->keyDown(keyCode);
}

void choosePauseItem(GameState& state) {
    PlaySoundCase(state, 8);
    state.paused = false;
    switch (state.pauseSelection) {
    case 2: // give up
        state.levelLost = true;
        if (state.gameMode != 1)
            state.gaveUp = true;
        break;
    case 3: // leave to the menu
        state.endFade = 0.0;
        state.quitToMenu = true;
        break;
    default: // resume
        break;
    }
}

void handlePauseMenu(GameState& state) {
    namespace k = engine::key;
    if (keyReleased(state.pauseLatchUp, down(state, k::Up))) {
        if (state.pauseSelection <= 1) {
            state.pauseSelection = 3;
        } else {
            --state.pauseSelection;
            PlaySoundCase(state, 10);
        }
    }
    if (keyReleased(state.pauseLatchDown, down(state, k::Down))) {
        if (state.pauseSelection >= 3) {
            state.pauseSelection = 1;
        } else {
            ++state.pauseSelection;
            PlaySoundCase(state, 10);
        }
    }
    if (keyReleased(state.pauseLatchEnter, down(state, k::Enter)))
        choosePauseItem(state);
}

void handleTutorialPanel(GameState& state) {
    namespace k = engine::key;
    if (keyReleased(state.tutorialEscapeLatch, down(state, k::Escape))) {
        PlaySoundCase(state, 8);
        state.tutorialActive = false;
        state.tutorialPanelShown = false;
        state.paused = false;
        state.enemyWanderTick = state.engine->tick();
        state.tutorialLeft = true;
        placeBubble(state);
        return;
    }
    if (keyReleased(state.pauseLatchEnter, down(state, k::Enter))) {
        PlaySoundCase(state, 8);
        state.pausedTime = 0;
        state.tutorialPanelShown = false;
        state.paused = false;
        state.tutorialStepStart = state.engine->tick();
        if (state.tutorialStep == 1)
            state.tutorialDelay = 10000;
        ++state.tutorialStep;
        if (state.tutorialStep == 4)
            state.enemyWanderTick = state.engine->tick();
        if (state.tutorialStep > 4)
            state.tutorialActive = false;
    }
}

} // namespace

void handleIntroInput(GameState& state) {
    namespace k = engine::key;
    // The finished loading screen (state 0) cannot be skipped.
    if (state.screenState < 1)
        return;
    const bool enter = keyReleased(state.latchEnter, down(state, k::Enter));
    const bool escape = keyReleased(state.introEscapeLatch, down(state, k::Escape));
    const bool space = keyReleased(state.introSpaceLatch, down(state, k::Space));
    if (enter || escape || space) {
        state.introFading = true;
        state.introSkip = true;
    }
}

void handleMenuInput(GameState& state) {
    namespace k = engine::key;
    // Tested in this order; the main menu acts on them in its own step.
    state.menuKeys.right = keyReleased(state.latchRight, down(state, k::Right));
    state.menuKeys.left = keyReleased(state.latchLeft, down(state, k::Left));
    state.menuKeys.down = keyReleased(state.latchDown, down(state, k::Down));
    state.menuKeys.up = keyReleased(state.latchUp, down(state, k::Up));
    state.menuKeys.enter = keyReleased(state.latchEnter, down(state, k::Enter));
}

void handlePlayInput(GameState& state) {
    namespace k = engine::key;
    const bool panelShown = state.tutorialPanelShown;

    // Escape opens and closes the pause panel; it never latches under a tutorial panel.
    const bool escapeDown = down(state, k::Escape);
    if (keyReleased(state.escapeLatch, escapeDown, !panelShown)) {
        // Not while the level fades out: the pause would outlive the level into the next one.
        const bool ending = state.levelWon || state.levelLost || state.quitToMenu;
        if (!state.paused && !ending)
            startPause(state);
        else if (!panelShown)
            state.paused = false;
        // Released under a tutorial panel: forgotten, so it cannot pause the game later.
    }

    if (state.paused && !panelShown)
        handlePauseMenu(state);

    if (state.tutorialActive && state.tutorialStep == 1) {
        if (down(state, k::Left))
            state.arrowsPressed[1] = true;
        if (down(state, k::Right))
            state.arrowsPressed[2] = true;
        if (down(state, k::Up))
            state.arrowsPressed[3] = true;
        if (down(state, k::Down))
            state.arrowsPressed[4] = true;
    }

    if (state.paused && panelShown)
        handleTutorialPanel(state);
    else
        state.tutorialEscapeLatch = false;
}

void handleEndScreenInput(GameState& state) {
    namespace k = engine::key;
    state.endScreenKeys.up = keyReleased(state.pauseLatchUp, down(state, k::Up));
    state.endScreenKeys.down = keyReleased(state.pauseLatchDown, down(state, k::Down));
    state.endScreenKeys.enter = keyReleased(state.pauseLatchEnter, down(state, k::Enter));
    applyEndScreenKeys(state);
}

void handleHighscoreInput(GameState& state) {
    namespace k = engine::key;
    state.highscoreKeys.enter = keyReleased(state.latchEnter, down(state, k::Enter));
    state.highscoreKeys.left = keyReleased(state.latchLeft, down(state, k::Left));
    state.highscoreKeys.right = keyReleased(state.latchRight, down(state, k::Right));
    state.highscoreKeys.up = keyReleased(state.latchUp, down(state, k::Up));
    state.highscoreKeys.down = keyReleased(state.latchDown, down(state, k::Down));
    applyHighscoreKeys(state);
}

void HandleInput(GameState& state) {
    const int s = state.screenState;
    if (s < 50)
        handleIntroInput(state);
    else if (s < 100)
        handleMenuInput(state);
    else if (s < 200)
        return; // the level intro reads its own keys
    else if (s < 300)
        handlePlayInput(state);
    else if (s < 500)
        handleEndScreenInput(state);
    else
        handleHighscoreInput(state);
}

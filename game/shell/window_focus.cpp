#include "game/shell/window_focus.hpp"

#include "game/shell/input.hpp"
#include "game/state/game_state.hpp"

namespace {

void forgetKeyLatches(GameState& state) {
    state.latchRight = state.latchLeft = state.latchUp = state.latchDown = false;
    state.latchEnter = false;
    state.pauseLatchUp = state.pauseLatchDown = state.pauseLatchEnter = false;
    state.escapeLatch = false;
    state.introEscapeLatch = state.introSpaceLatch = false;
    state.tutorialEscapeLatch = false;
    state.levelIntroSpaceLatch = state.levelIntroEnterLatch = false;
    state.screenshotArmed = false;
}

void muteAudio(GameState& state, bool muted) {
    for (audio::System* system : {state.audioSystemA.get(), state.audioSystemB.get()})
        if (system)
            state.audioResult = system->setMuted(muted);
}

} // namespace

void followWindowFocus(GameState& state) {
    if (!state.engine)
        return;
    const bool focused = state.engine->hasFocus();
    if (focused == state.windowFocused)
        return;
    state.windowFocused = focused;
    muteAudio(state, !focused);
    if (focused)
        return;
    forgetKeyLatches(state);
    const bool playing = state.screenState >= 200 && state.screenState <= 299;
    const bool ending = state.levelWon || state.levelLost || state.quitToMenu;
    if (playing && !state.paused && !ending)
        startPause(state);
}

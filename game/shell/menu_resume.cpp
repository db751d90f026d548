#include "game/shell/menu_resume.hpp"

#include "game/gameplay/level_setup.hpp"
#include "game/shell/main_menu.hpp"
#include "game/state/game_state.hpp"
#include "game/state/run_reset.hpp"
#include "game/state/sound_player.hpp"

void resumeAtMainMenu(GameState& state) {
    pauseChannel(state, state.soundChannel);
    setChannelVolume(state, state.soundChannel, 1.0f);
    if (state.musicOn)
        playMusic(state, kMusicMenu, state.menuMusicChannel);
    resetRun(state);
    gameplay::loadLevel(state);
    state.levelLoadFailed = false;
    state.introFading = false;
    state.screenState = 50;
    LoadHelpLine(state);
    state.screenStartTick = state.engine->tick();
    state.engine->fadeIn(1, 1, 1, 500);
}

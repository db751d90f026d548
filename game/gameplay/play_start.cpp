#include "game/gameplay/play_start.hpp"

#include "game/gameplay/bubble_placement.hpp"
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

void startPlayTimers(GameState& state) {
    const std::uint32_t now = state.engine->tick();
    state.clockTick = now;
    state.enemyWanderTick = now;
    state.enemyAnimTick = now;
    state.energyGainTick = now;
    state.energyDrainTick = now;
    state.lastScoreTick = now;
    state.healthBubbleLastRoll = now;
}

void beginPlay(GameState& state) {
    pauseChannel(state, state.soundChannel);
    playMusic(state, kMusicGame, state.gameMusicChannel);
    setChannelVolume(state, state.soundChannel, 1.0f);
    state.screenState = 200;
    startPlayTimers(state);
    state.tutorialActive = false;
    placeBubble(state);
}

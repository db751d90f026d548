#include "game/presentation/end_fades.hpp"

#include "game/gameplay/level_setup.hpp"
#include "game/presentation/highscore_table.hpp"
#include "game/presentation/panels.hpp"
#include "game/state/game_state.hpp"
#include "game/state/run_reset.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>

namespace {

void drawWhite(GameState& state) {
    engine::Engine& e = *state.engine;
    e.drawTexture(
        e.texture("white"), 0, 0, 1024, 768,
        engine::Corners::all(engine::makeColor(1, 1, 1, static_cast<float>(state.endFade))));
}

float fadedVolume(double fade) {
    return static_cast<float>(std::clamp(1.0 - fade, 0.0, 1.0));
}

// The win count-up: two points every 20 ms while the scenario clock gives up its seconds.
void countUpScore(GameState& state) {
    const std::uint32_t now = state.engine->tick();
    if (!state.levelWon || !state.scoreCounting || (state.gameMode != 1 && state.gameMode != 3))
        return;
    if (static_cast<std::int64_t>(now) - 20 <= static_cast<std::int64_t>(state.lastScoreTick))
        return;
    state.lastScoreTick = now;
    state.displayedScore += 2;
    if (state.gameMode == 1) {
        --state.seconds;
        if (state.seconds == -1) {
            state.seconds = 59;
            --state.minutes;
            if (state.minutes < 0) {
                state.minutes = 0;
                state.seconds = 0;
            }
        }
    }
    if (state.displayedScore >= state.score) {
        state.displayedScore = state.score;
        state.scoreCounting = false;
    }
}

// A level that cannot be set up again is reported by the frame loop, which returns to the
// main menu (loadLevel sets levelLoadFailed).
bool setUpLevelAgain(GameState& state) {
    return gameplay::loadLevel(state);
}

void finishEndOfLevelFade(GameState& state) {
    state.endFade = 0.0;
    state.displayedScore = state.score;
    state.scoreCounting = false;
    if (state.musicOn) {
        pauseChannel(state, state.gameMusicChannel);
        if (!state.gaveUp)
            playMusic(state, kMusicMenu, state.menuMusicChannel);
    }
    state.screenState = 300;
    state.engine->fadeIn(1, 1, 1, 500);
    if (state.gameMode == 1) {
        if (state.levelLost)
            state.endScreenKind = 1;
        if (state.levelWon)
            state.endScreenKind = 3;
        return;
    }
    if (state.gaveUp) {
        // Bubble match and time attack start the level again after giving up.
        state.gaveUp = false;
        state.levelWon = false;
        state.levelLost = false;
        if (!setUpLevelAgain(state))
            return;
        state.bubblesCollected = 0;
        state.displayedScore = 0;
        state.energy = 100;
        state.screenState = 100;
        playMusic(state, kMusicLevelIntro, state.levelIntroChannel);
        return;
    }
    // The high-score table of the mode and level takes the score.
    openHighscoreEntry(state);
}

} // namespace

void runEndOfLevelFade(GameState& state, float dt) {
    if (!state.levelWon && !state.levelLost)
        return;
    state.endFade += 0.001 * dt;
    countUpScore(state);
    if (state.musicOn)
        setChannelVolume(state, state.gameMusicChannel, fadedVolume(state.endFade));
    silenceDrainSounds(state, false);
    if (state.endFade > 1.0)
        finishEndOfLevelFade(state);
    drawWhite(state);
}

void runQuitToMenuFade(GameState& state, float dt) {
    if (!state.quitToMenu)
        return;
    state.endFade += 0.001 * dt;
    if (state.musicOn)
        setChannelVolume(state, state.gameMusicChannel, fadedVolume(state.endFade));
    if (state.endFade > 1.0) {
        if (state.musicOn) {
            pauseChannel(state, state.menuMusicChannel);
            playMusic(state, kMusicMenu, state.menuMusicChannel);
        }
        resetRun(state);
        state.screenState = 50;
        state.quitToMenu = false;
        setUpLevelAgain(state);
        state.engine->fadeIn(1, 1, 1, 500);
        state.endFade = 0.0;
    }
    drawWhite(state);
}

#include "game/presentation/level_intro.hpp"

#include "game/gameplay/bubble_placement.hpp"
#include "game/gameplay/play_start.hpp"
#include "game/state/game_state.hpp"
#include "game/state/key_latch.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>

namespace {

engine::Corners white(float alpha) {
    return engine::Corners::all(engine::makeColor(1, 1, 1, alpha));
}

void scroll(GameState& state, float dt, float textHeight) {
    if (state.introTextTop + textHeight >= 510.0) {
        state.introTextTop -= 0.02 * dt;
    } else if (state.pressTop >= 600.0) {
        state.introTextTop -= 0.02 * dt;
        state.pressTop -= 0.02 * dt;
    } else if (state.pressPhase == 1) {
        state.pressAlpha -= 0.0009 * dt;
        if (state.pressAlpha <= 0.1)
            state.pressPhase = 2;
    } else {
        state.pressAlpha += 0.0009 * dt;
        if (state.pressAlpha >= 1.0)
            state.pressPhase = 1;
    }
}

void readKeys(GameState& state) {
    engine::Engine& e = *state.engine;
    const bool space = keyReleased(state.levelIntroSpaceLatch, e.keyDown(engine::key::Space));
    const bool enter = keyReleased(state.levelIntroEnterLatch, e.keyDown(engine::key::Enter));
    if ((space || enter) && !state.introFading) {
        PlaySoundCase(state, 8);
        state.introFading = true;
    }
}

void beginLevel(GameState& state) {
    engine::Engine& e = *state.engine;
    state.introFade = 0.0;
    pauseChannel(state, state.soundChannel);
    // The level-intro music gives way to the game music.
    pauseChannel(state, state.levelIntroChannel);
    playMusic(state, kMusicGame, state.gameMusicChannel);
    setChannelVolume(state, state.soundChannel, 1.0f);
    state.screenState = 200;
    startPlayTimers(state);
    state.introFading = false;
    e.fadeIn(1, 1, 1, 500);
    state.introTextTop = 768.0;
    state.pressTop = 768.0;
    state.levelIntroSpaceLatch = false;
    state.levelIntroEnterLatch = false;
    if (state.tutorialActive)
        state.tutorialStepStart = e.tick();
    else
        placeBubble(state);
}

} // namespace

void runLevelIntroStep(GameState& state) {
    engine::Engine& e = *state.engine;
    const float dt = e.elapsedMs();
    const std::string map = "map" + std::to_string(state.mapNumber);

    const engine::TextureId text = e.texture(map + "_text_" + state.language);
    const engine::Size textSize = e.textureSize(text);
    const float textLeft = 512.0f - textSize.width / 2.0f;
    const float textTop = static_cast<float>(state.introTextTop);
    e.drawTexture(text, textLeft, textTop, textLeft + textSize.width, textTop + textSize.height);
    const float pressTop = static_cast<float>(state.pressTop);
    e.drawTexture(e.texture("pressspace_" + state.language), 249, pressTop, 776, pressTop + 35,
                  white(static_cast<float>(state.pressAlpha)));

    const engine::TextureId whiteId = e.texture("white");
    e.drawTexture(whiteId, 0, 0, 1024, 444);
    const engine::TextureId preview = e.texture(map + "_preview");
    const float previewHalf = e.textureSize(preview).width / 2.0f;
    e.drawTexture(preview, 512 - previewHalf, 0, 512 + previewHalf, 444);
    const engine::Color opaque = engine::makeColor(1, 1, 1, 1);
    const engine::Color clear = engine::makeColor(1, 1, 1, 0);
    e.drawTexture(whiteId, 0, 444, 1024, 500, {opaque, opaque, clear, clear});
    e.drawTexture(whiteId, 0, 712, 1024, 768, {clear, clear, opaque, opaque});

    scroll(state, dt, static_cast<float>(textSize.height));
    readKeys(state);

    if (!state.introFading)
        return;
    state.introFade += 0.001 * dt;
    const double alpha = std::min(state.introFade, 1.0);
    if (state.musicOn && state.introSkip)
        setChannelVolume(state, state.levelIntroChannel, static_cast<float>(1.0 - alpha));
    e.drawTexture(whiteId, 0, 0, 1024, 768, white(static_cast<float>(alpha)));
    if (state.introFade >= 1.0)
        beginLevel(state);
}

#include "game/shell/intro.hpp"

#include "game/shell/loading_screen.hpp"
#include "game/state/game_state.hpp"
#include "game/state/sound_player.hpp"

#include <algorithm>

namespace {

constexpr std::uint32_t kPageMs = 8000;

void drawCentred(engine::Engine& e, const char* key, float cx, float cy, float w, float h,
                 const engine::Corners& colors = engine::Corners::all(engine::kWhite)) {
    e.drawTexture(e.texture(key), cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, colors);
}

void drawPage(GameState& state, float dt) {
    engine::Engine& e = *state.engine;
    switch (state.screenState) {
    case 0:
        drawLoadingScreen(state);
        break;
    case 1:
        // The logo keeps turning under the fade.
        state.logoAngle += 0.02 * dt;
        if (state.logoAngle >= 360.0)
            state.logoAngle -= 360.0;
        e.drawRotated(e.texture("miravlogo1"), 512, 364, 328, 328,
                      static_cast<float>(state.logoAngle));
        drawCentred(e, "miravlogo2", 512, 364, 348, 104,
                    engine::Corners::all(engine::makeColor(1, 1, 1, 0.8f)));
        drawCentred(e, "miravlogo3", 512, 554, 328, 24);
        break;
    case 2:
        drawCentred(e, "quelbalogo", 512, 384, 400, 208);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7: {
        const std::string key = "credits" + std::to_string(state.screenState - 2);
        const engine::TextureId id = e.texture(key);
        drawCentred(e, key.c_str(), 512, 384, 328, static_cast<float>(e.textureSize(id).height));
        break;
    }
    default:
        break;
    }
}

void finishFade(GameState& state) {
    state.introFade = 0.0;
    if (state.introSkip) {
        pauseChannel(state, state.soundChannel);
        playMusic(state, kMusicMenu, state.menuMusicChannel);
        setChannelVolume(state, state.soundChannel, 1.0f);
        state.screenState = 50;
    } else {
        // Without a skip the intro music plays on into the menu.
        ++state.screenState;
        if (state.screenState >= 8)
            state.screenState = 50;
    }
    state.screenStartTick = state.engine->tick();
    state.introFading = false;
    state.engine->fadeIn(1, 1, 1, 1000);
}

} // namespace

void runIntroStep(GameState& state) {
    engine::Engine& e = *state.engine;
    const float dt = e.elapsedMs();
    drawPage(state, dt);
    if (state.introFading) {
        state.introFade += 0.001 * dt;
        const double alpha = std::min(state.introFade, 1.0);
        if (state.introSkip)
            setChannelVolume(state, state.soundChannel, static_cast<float>(1.0 - alpha));
        e.drawTexture(e.texture("white"), 0, 0, 1024, 768,
                      engine::Corners::all(engine::makeColor(1, 1, 1, static_cast<float>(alpha))));
        if (state.introFade >= 1.0)
            finishFade(state);
    } else if (e.tick() > state.screenStartTick + kPageMs) {
        state.introFading = true;
    }
}

// A game state with a headless engine on a scripted 16 ms clock and no audio device, for tests
// of the steps that read the clock, the keys and the textures.
#pragma once

#include "game/state/game_state.hpp"

#include <gtest/gtest.h>

#include <string>

inline void attachHeadlessEngine(GameState& state, float frameMs = 16.0f) {
    engine::DisplayConfig config;
    config.backend = engine::Backend::Headless;
    std::string error;
    state.engine = engine::Engine::create(config, error);
    ASSERT_TRUE(state.engine) << error;
    state.engine->useScriptedClock(frameMs);
    state.engine->present(); // one frame, so the elapsed time is the scripted one
    state.soundOn = false;
    state.musicOn = false;
}

// Runs `step` once per frame, presenting after each, `frames` times.
template <typename Step> void runFrames(GameState& state, int frames, Step step) {
    for (int i = 0; i < frames; ++i) {
        state.engine->pumpEvents();
        state.engine->clear();
        step();
        state.engine->present();
    }
}

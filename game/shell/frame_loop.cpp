#include "game/shell/frame_loop.hpp"

#include "common/options_file.hpp"
#include "game/gameplay/enemies.hpp"
#include "game/gameplay/fly_collision.hpp"
#include "game/gameplay/fly_movement.hpp"
#include "game/gameplay/gravity.hpp"
#include "game/gameplay/level_rules.hpp"
#include "game/presentation/end_screens.hpp"
#include "game/presentation/highscore_screen.hpp"
#include "game/presentation/level_intro.hpp"
#include "game/presentation/panels.hpp"
#include "game/presentation/play_field.hpp"
#include "game/recording/highscore_run.hpp"
#include "game/recording/session_recording.hpp"
#include "game/shell/input.hpp"
#include "game/shell/intro.hpp"
#include "game/shell/main_menu.hpp"
#include "game/shell/window_focus.hpp"
#include "game/state/game_state.hpp"
#include "game/state/notices.hpp"
#include "game/state/run_reset.hpp"
#include "game/state/sound_player.hpp"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

void handleScreenshotKey(GameState& state) {
    engine::Engine& e = *state.engine;
    if (e.keyDown(engine::key::S))
        state.screenshotArmed = true;
    if (e.keyDown(engine::key::S) || !state.screenshotArmed)
        return;
    state.screenshotArmed = false;
    if (state.screenshotCount == INT32_MAX) {
        std::fprintf(stderr, "Brimzel: the screenshot counter is at its limit\n");
        return;
    }
    const std::string path =
        state.files
            .writePath("screenshots/screenshot" +
                       std::to_string(static_cast<long long>(state.screenshotCount) + 1) + ".jpg")
            .string();
    std::error_code ignored;
    std::filesystem::create_directories(state.files.writePath("screenshots"), ignored);
    // The count only moves on for a file that was written.
    if (e.saveScreenshotJpeg(path))
        ++state.screenshotCount;
    else
        std::fprintf(stderr, "Brimzel: %s could not be written: %s\n", path.c_str(),
                     e.lastError().c_str());
}

// A level that cannot be played (its file or its map is broken) is reported and the player
// goes back to the main menu.
void leaveUnplayableLevel(GameState& state) {
    state.levelLoadFailed = false;
    showNotice(state, state.levelError);
    silenceDrainSounds(state, true);
    if (state.screenState >= 100) {
        // Coming from a game: its music gives way to the menu's.
        pauseChannel(state, state.gameMusicChannel);
        pauseChannel(state, state.levelIntroChannel);
        pauseChannel(state, state.menuMusicChannel);
        playMusic(state, kMusicMenu, state.menuMusicChannel);
    }
    state.paused = false;
    state.quitToMenu = false;
    state.gaveUp = false;
    state.endFade = 0.0;
    resetRun(state);
    state.screenState = 50;
}

} // namespace

void runPlaySteps(GameState& state) {
    gameplay::clockStep(state);
    CheckCollision(state);
    MoveFly(state);
    if (state.tutorialActive) {
        if (state.tutorialStep > 1)
            gameplay::gravityStep(state);
        if (state.tutorialStep > 2)
            gameplay::healthBubbleStep(state);
        if (state.tutorialStep > 3) {
            gameplay::enemyMotionStep(state);
            gameplay::enemySensingStep(state);
        }
    } else {
        gameplay::gravityStep(state);
        gameplay::enemySensingStep(state);
        gameplay::enemyMotionStep(state);
        gameplay::scoreStep(state);
        gameplay::healthBubbleStep(state);
    }
}

void runScreenSteps(GameState& state) {
    // Each range is tested anew, so a step that moves the state on has the next range's steps
    // run in the same frame.
    if (state.screenState >= 0 && state.screenState <= 49) {
        HandleInput(state);
        runIntroStep(state);
    }
    if (state.screenState >= 50 && state.screenState <= 99) {
        HandleInput(state);
        runMainMenuStep(state);
    }
    if (state.screenState >= 100 && state.screenState <= 199) {
        runLevelIntroStep(state);
    }
    if (state.screenState >= 200 && state.screenState <= 299) {
        if (!state.paused)
            runPlaySteps(state);
        HandleInput(state);
        drawPlayField(state);
    }
    if (state.screenState >= 300 && state.screenState <= 399) {
        drawEndScreen(state);
        HandleInput(state);
    }
    if (state.screenState >= 500) {
        drawHighscoreScreen(state);
        HandleInput(state);
    }
}

bool runFrame(GameState& state, SessionRecording* recording) {
    if (!state.bLoop) {
        shutdownGame(state);
        return false;
    }
    engine::Engine& e = *state.engine;
    const bool closed = !e.pumpEvents();
    if (closed)
        state.bLoop = false; // the window's close box
    if (recording)
        recordFrame(*recording, state, closed);
    followWindowFocus(state);
    e.clear();
    runScreenSteps(state);
    if (state.levelLoadFailed)
        leaveUnplayableLevel(state);
    drawNotice(state);
    if (e.keyDown(engine::key::F12))
        state.bLoop = false;
    e.present();
    handleScreenshotKey(state);
    // The run ends with this frame: its recording is whole now.
    storeRequestedHighscoreRun(state, recording);
    return true;
}

bool shutdownGame(GameState& state) {
    common::GameOptionsAtExit values;
    values.language = state.language;
    values.musicOn = state.musicOn;
    values.soundOn = state.soundOn;
    values.alertEnabled = state.alertEnabled;
    values.saveEnabled = state.saveEnabled;
    values.screenshotCount = state.screenshotCount;
    const std::vector<std::string> startLines(state.optionLines.begin(), state.optionLines.end());
    const auto written = common::writeGameOptionsAtExit(
        state.files.writePath(common::optionsFilePath("")), startLines, values);
    if (!written)
        std::fprintf(stderr, "Brimzel: %s\n", written.message().c_str());
    state.engine.reset();
    shutdownAudio(state);
    return written.ok();
}

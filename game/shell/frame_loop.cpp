#include "game/shell/frame_loop.hpp"

#include "common/atomic_file.hpp"
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
#include "game/state/play_clock.hpp"
#include "game/state/run_reset.hpp"
#include "game/state/sound_player.hpp"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

// Saves the presented frame under the first free number after the counter's: after a crash, or
// beside a second game, the files may be ahead of the counter, and none is ever replaced. The
// count only moves on for a file written whole.
void saveScreenshot(GameState& state) {
    namespace fs = std::filesystem;
    engine::Engine& e = *state.engine;
    const std::string failed = state.language == "cz" ? "Snímek obrazovky se nepodařilo uložit: "
                                                      : "The screenshot could not be saved: ";
    std::string jpeg;
    if (!e.encodeScreenshotJpeg(jpeg)) {
        showNotice(state, failed + e.lastError());
        return;
    }
    const fs::path folder = state.files.writePath("screenshots");
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    for (long long n = state.screenshotCount + 1LL; n <= INT32_MAX; ++n) {
        const fs::path path = folder / ("screenshot" + std::to_string(n) + ".jpg");
        if (fs::exists(fs::symlink_status(path, ignored)))
            continue;
        const auto made = common::createFileAtomically(path, jpeg);
        if (!made) {
            showNotice(state, failed + made.message());
            return;
        }
        if (made.value()) {
            state.screenshotCount = static_cast<std::int32_t>(n);
            return;
        }
    }
    std::fprintf(stderr, "Brimzel: the screenshot counter is at its limit\n");
}

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
    saveScreenshot(state);
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

void runPlayPiece(GameState& state) {
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

} // namespace

void runPlaySteps(GameState& state) {
    if (!state.engine) {
        runPlayPiece(state);
        return;
    }
    const engine::Engine& e = *state.engine;
    const std::vector<PlayPiece> pieces = playPieces(e.elapsedMs(), e.tick());
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        // A piece that ends play (a broken level, a pause) ends the frame's play as well.
        const bool playing = state.screenState >= 200 && state.screenState <= 299 &&
                             !state.paused && !state.levelLoadFailed;
        if (k > 0 && !playing)
            break;
        state.playPiece = pieces[k];
        runPlayPiece(state);
    }
    state.playPiece.reset();
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
        if (state.fatalError.empty())
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
    // A picture that failed at its first use ends the game as a failed load does, before the
    // frame it is missing from is shown or anything goes on without it.
    if (!e.pictureFailure().empty()) {
        state.fatalError = e.pictureFailure();
        state.bLoop = false;
        return true;
    }
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

#include "game/recording/highscore_run.hpp"

#include "common/highscore_runs.hpp"
#include "common/signal_stack.hpp"
#include "game/recording/session_recording.hpp"
#include "game/state/game_state.hpp"

#include <cinttypes>
#include <cstdio>
#include <future>
#include <utility>

std::string runRecordingText(const SessionRecording& recording, const GameState& state) {
    if (!recording.active || !state.engine)
        return {};
    // The clock moved on when the frame was presented; nine digits give the float back exactly.
    char clock[64];
    std::snprintf(clock, sizeof clock, "clock %.9g %" PRIu32 "\n",
                  static_cast<double>(state.engine->elapsedMs()), state.engine->tick());
    // The segment since the last return to the main menu: the run from the menu choice on.
    return currentSegmentText(recording) + "# the state as the run ended\n" + clock +
           stateFingerprint(state, recording.segmentFrames);
}

void storeRequestedHighscoreRun(GameState& state, const SessionRecording* recording) {
    if (!state.highscoreRunToStore)
        return;
    GameState::HighscoreRunRequest request = std::move(*state.highscoreRunToStore);
    state.highscoreRunToStore.reset();
    std::string text = recording ? runRecordingText(*recording, state) : std::string();
    if (state.highscoreRunWrite.valid())
        state.highscoreRunWrite.wait(); // one table write at a time
    state.highscoreRunWrite = std::async(std::launch::async, [request = std::move(request),
                                                              text = std::move(text)] {
        const common::ThreadSignalStack signalStack;
        if (const auto stored = common::enterHighscoreRun(request.table, request.place,
                                                          {request.name, request.points}, text);
            !stored)
            std::fprintf(stderr, "Brimzel: the run behind the new high score was not kept: %s\n",
                         stored.message().c_str());
    });
}

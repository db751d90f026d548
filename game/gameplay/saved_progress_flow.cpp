#include "game/gameplay/saved_progress_flow.hpp"

#include "common/saved_progress.hpp"
#include "game/state/game_state.hpp"
#include "game/state/notices.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kLastScenarioLevel = 16;

} // namespace

bool saveProgressFromEndScreen(GameState& state) {
    common::ProgressAtLevelEnd progress;
    progress.levelWon = state.levelWon;
    progress.levelLost = state.levelLost;
    progress.levelNumber = state.levelNumber;
    progress.energy = state.energy;
    progress.lives = state.lives;
    progress.displayedScore = state.displayedScore;
    const auto written =
        common::SaveProgress(state.files.writePath(common::saveFilePath("")), progress);
    if (!written) {
        showNotice(state, (state.language == "cz" ? "Postup se nepodařilo uložit: "
                                                  : "The progress could not be saved: ") +
                              written.message());
        return false;
    }
    return written.value();
}

bool continueSavedGame(GameState& state) {
    const auto saved = common::LoadProgress(state.files.readPath(common::saveFilePath("")));
    if (!saved) {
        // Nothing to continue: the menu stays as it is.
        std::fprintf(stderr, "Brimzel: %s\n", saved.message().c_str());
        return false;
    }
    state.levelNumber = saved.value().levelNumber;
    state.energy = saved.value().energy;
    state.lives = saved.value().lives;
    state.displayedScore = saved.value().displayedScore;
    state.score =
        static_cast<std::int16_t>(std::min<std::int32_t>(saved.value().displayedScore, INT16_MAX));
    state.startGame = true;
    state.leaveFade = 0.0;
    state.gameMode = 1;
    state.bubblesCollected = 0;
    state.userLevel = false;
    state.tutorialActive = false;
    state.levelWon = false;
    state.levelLost = false;
    state.gaveUp = false;
    return true;
}

bool continuesPastLastLevel(const GameState& state) {
    return state.gameMode == 1 && state.levelNumber > kLastScenarioLevel;
}

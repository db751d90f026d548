#include "game/presentation/highscore_table.hpp"

#include "common/highscore_file.hpp"
#include "game/state/game_state.hpp"
#include "game/state/notices.hpp"

namespace {

bool czech(const GameState& state) {
    return state.language == "cz";
}

void clearTable(GameState& state) {
    for (int place = 1; place <= 4; ++place) {
        state.highscoreNames[place].clear();
        state.highscorePoints[place] = 0;
    }
}

} // namespace

std::filesystem::path currentHighscorePath(const GameState& state) {
    const bool user = state.gameMode != 1 && (state.userLevel || state.levelNumber > 16);
    // The user's own table: every start seeds the missing ones from the defaults.
    return state.files.writePath(
        common::highscoreFilePath("", state.gameMode, state.levelNumber, user));
}

bool loadHighscoreTable(GameState& state) {
    const std::filesystem::path path = currentHighscorePath(state);
    const auto read = common::readHighscoreRows(path);
    clearTable(state);
    if (!read)
        return false;
    for (int place = 1; place <= 4; ++place) {
        state.highscoreNames[place] = read.value().table.highscoreNames[place - 1];
        state.highscorePoints[place] = read.value().table.highscorePoints[place - 1];
    }
    if (!read.value().damage)
        return true;
    // Told once, here; the damaged file is set aside when the table is next written.
    const std::size_t line = read.value().damage->line;
    if (czech(state))
        showNotice(state, "Tabulka výsledků " + path.string() + " je poškozená na řádku " +
                              std::to_string(line) + ": zůstaly řádky, které šly přečíst.");
    else
        showNotice(state, "The high-score table " + path.string() + " is damaged at line " +
                              std::to_string(line) + ": the rows that read are kept.");
    return false;
}

void insertHighscore(GameState& state) {
    common::HighscoreFile table;
    for (int place = 1; place <= 4; ++place) {
        table.highscoreNames[place - 1] = state.highscoreNames[place];
        table.highscorePoints[place - 1] = state.highscorePoints[place];
    }
    state.newPlace = common::insertScore(table, state.displayedScore);
    for (int place = 1; place <= 4; ++place) {
        state.highscoreNames[place] = table.highscoreNames[place - 1];
        state.highscorePoints[place] = table.highscorePoints[place - 1];
    }
    if (state.newPlace == 0)
        state.screenState = 500;
}

void openHighscoreEntry(GameState& state) {
    loadHighscoreTable(state);
    state.screenState = 501;
    insertHighscore(state);
    state.blinkTimer = 0.0;
    state.leaveFade = 0.0;
    state.highscoreScreenActive = true;
}

bool saveHighscoreTable(GameState& state) {
    common::HighscoreFile table;
    for (int place = 1; place <= 4; ++place) {
        table.highscoreNames[place - 1] = state.highscoreNames[place];
        table.highscorePoints[place - 1] = state.highscorePoints[place];
    }
    const std::filesystem::path path = currentHighscorePath(state);
    if (const auto written = common::writeHighscoreFile(path, table); !written) {
        showNotice(state, (czech(state) ? "Výsledky se nepodařilo uložit: "
                                        : "The high scores could not be saved: ") +
                              written.message());
        return false;
    }
    if (state.newPlace >= 1 && state.newPlace <= 4)
        state.highscoreRunToStore = GameState::HighscoreRunRequest{
            path, state.newPlace, state.highscoreNames[state.newPlace],
            state.highscorePoints[state.newPlace]};
    return true;
}

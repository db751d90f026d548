#include "common/saved_progress.hpp"

#include "common/line_values.hpp"
#include "common/numbers.hpp"
#include "common/text_lines.hpp"

#include <limits>
#include <string>
#include <vector>

namespace common {
namespace {

constexpr std::size_t kSaveLines = 4;
constexpr std::int16_t kScenarioLevels = 16;

} // namespace

std::filesystem::path saveFilePath(const std::filesystem::path& root) {
    return root / "save" / "save.txt";
}

std::optional<SavedProgress> progressToSave(const ProgressAtLevelEnd& state) {
    if (state.levelLost == state.levelWon) {
        return std::nullopt;
    }
    SavedProgress saved;
    saved.lives = state.lives;
    saved.displayedScore = state.displayedScore;
    if (state.levelLost) {
        saved.levelNumber = state.levelNumber;
        saved.energy = 100;
    } else {
        saved.levelNumber = static_cast<std::int16_t>(state.levelNumber + 1);
        // Levels 2k-1 and 2k share a map: energy carries over only within a map.
        saved.energy = state.levelNumber % 2 == 1 ? state.energy : std::int16_t{100};
    }
    return saved;
}

Result<bool> SaveProgress(const std::filesystem::path& path, const ProgressAtLevelEnd& state) {
    const std::optional<SavedProgress> saved = progressToSave(state);
    if (!saved) {
        return false;
    }
    const std::vector<std::string> lines = {
        formatInteger(saved->levelNumber),
        formatInteger(saved->energy),
        formatInteger(saved->lives),
        formatInteger(saved->displayedScore),
    };
    if (auto written = writeTextLines(path, lines); !written) {
        return written.error();
    }
    return true;
}

Result<SavedProgress> LoadProgress(const std::filesystem::path& path) {
    auto read = readTextLines(path, kSaveLines);
    if (!read) {
        return read.error();
    }
    const std::vector<std::string>& lines = read.value();
    if (auto enough = requireLines(path, lines, kSaveLines); !enough) {
        return enough.error();
    }
    SavedProgress saved;
    // Level 17 is what a save after the last level names: the run continues at its table.
    auto level =
        readInt16Value(path, lines, 0, 0, "the level to continue at", 1, kScenarioLevels + 1);
    if (!level) {
        return level.error();
    }
    auto energy = readInt16Value(path, lines, 1, 0, "the energy", 0, 100);
    if (!energy) {
        return energy.error();
    }
    // A run that used its last spare life can still win a level and be saved with none.
    auto lives = readInt16Value(path, lines, 2, 0, "the number of lives", 0,
                                std::numeric_limits<std::int16_t>::max());
    if (!lives) {
        return lives.error();
    }
    auto score =
        readInt32Value(path, lines, 3, 0, "the score", 0, std::numeric_limits<std::int32_t>::max());
    if (!score) {
        return score.error();
    }
    saved.levelNumber = level.value();
    saved.energy = energy.value();
    saved.lives = lives.value();
    saved.displayedScore = score.value();
    return saved;
}

} // namespace common

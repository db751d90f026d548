#pragma once

#include "common/result.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace common {

// What a save needs from the end of a scenario level.
struct ProgressAtLevelEnd {
    bool levelWon = false;
    bool levelLost = false;
    std::int16_t levelNumber = 1;
    std::int16_t energy = 100;
    std::int16_t lives = 3;
    std::int32_t displayedScore = 0;
};

// The four values of the save file.
struct SavedProgress {
    std::int16_t levelNumber = 1;
    std::int16_t energy = 100;
    std::int16_t lives = 3;
    std::int32_t displayedScore = 0;
};

// root/save/save.txt
std::filesystem::path saveFilePath(const std::filesystem::path& root);

// The values a save writes: a lost level is played again with full energy; a won level
// continues at the next one, keeping the energy only within a map (after an odd level).
// Empty when neither or both of won and lost are set.
std::optional<SavedProgress> progressToSave(const ProgressAtLevelEnd& state);

// Writes the save file (replacing it atomically). Returns false, writing nothing, when neither
// or both of won and lost are set.
Result<bool> SaveProgress(const std::filesystem::path& path, const ProgressAtLevelEnd& state);

// Reads the four lines. Besides unreadable files it refuses values no save can hold: a level
// outside 1..17 (17: saved after the last level), energy outside 0..100, negative lives or a
// negative score.
Result<SavedProgress> LoadProgress(const std::filesystem::path& path);

} // namespace common

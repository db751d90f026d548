#include "game/gameplay/level_setup.hpp"

#include "common/level_record.hpp"
#include "game/gameplay/play_math.hpp"
#include "game/state/game_state.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace gameplay {
namespace {

constexpr const char* kFramePrefix[kEnemyKinds + 1] = {"", "wasp_m", "gnat_m", "dragonfly_m",
                                                       "hornet_m"};

std::int32_t roundedReaction(double value) {
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded))
        return 0;
    return static_cast<std::int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

void applyLevel(GameState& s, const common::PlayLevel& level) {
    s.mapNumber = level.mapNumber;
    s.flyX = level.flyX;
    s.flyY = level.flyY;
    s.gravityX = level.gravityX;
    s.gravityY = level.gravityY;
    s.bubblesTotal = level.bubblesTotal;
    s.minutes = s.timeLimitMinutes = level.minutes;
    s.seconds = s.timeLimitSeconds = level.seconds;
    // Time attack counts up from 0:00; the file's time is the limit for the bonus.
    if (s.gameMode == 3) {
        s.minutes = 0;
        s.seconds = 0;
    }
    s.enemyCount = level.enemyCount;
    for (int i = 1; i <= level.enemyCount; ++i) {
        const int kind = level.enemyKind[i - 1];
        s.enemyKind[i] = static_cast<std::int16_t>(kind);
        s.enemySpeed[i] = s.kindSpeed[kind];
        s.enemyFollowSpeed[i] = s.kindFollowSpeed[kind];
        s.enemyReaction[i] = roundedReaction(s.kindReaction[kind]);
        s.enemyFollowTime[i] = s.kindFollowTime[kind];
        s.enemySleepTime[i] = s.kindSleepTime[kind];
        s.enemyX[i] = level.enemyX[i - 1];
        s.enemyY[i] = level.enemyY[i - 1];
        s.enemyAngle[i] = s.enemyTargetAngle[i] = level.enemyAngle[i - 1];
        // Drawable before the first animation step.
        s.enemyFrameKey[i] = kFramePrefix[kind] + std::to_string(s.enemyFrame[i]);
    }
}

} // namespace

std::filesystem::path levelPath(const GameState& s, const std::filesystem::path& root) {
    return s.userLevel ? common::levelFilePath(root, s.levelNumber - 16, true)
                       : common::levelFilePath(root, s.levelNumber, false);
}

std::string levelFileNotice(const std::string& language, const std::filesystem::path& path,
                            const common::Error& error) {
    if (language != "cz")
        return "The level cannot be played: " + error.message;
    const std::string file = "Level nelze hrát: soubor " + path.string();
    switch (error.kind) {
    case common::ErrorKind::missingFile:
        return file + " chybí nebo nejde přečíst.";
    case common::ErrorKind::wrongHeader:
        return file + " není soubor levelu.";
    default:
        return error.line > 0 ? file + " je poškozený na řádku " + std::to_string(error.line) + "."
                              : file + " je poškozený.";
    }
}

namespace {

bool loadLevelFile(GameState& s, const std::filesystem::path& path) {
    auto read = common::readLevelFileForPlay(path);
    if (!read) {
        s.levelLoadFailed = true;
        s.levelError = levelFileNotice(s.language, path, read.error());
        return false;
    }
    applyLevel(s, read.value());
    return true;
}

} // namespace

bool loadLevel(GameState& s, const std::filesystem::path& root) {
    return loadLevelFile(s, levelPath(s, root));
}

bool loadLevel(GameState& s) {
    return loadLevelFile(s, s.files.readPath(levelPath(s)));
}

} // namespace gameplay

// Level files through the game's reader and the level editor's reader.
#include "common/level_record.hpp"
#include "fuzz/input_file.hpp"

#include <cmath>

namespace {

bool onField(double x, double y) {
    return std::isfinite(x) && std::isfinite(y) && x >= 0.0 && x <= 1024.0 && y >= 0.0 &&
           y <= 768.0;
}

void checkPlayLevel(const common::PlayLevel& level) {
    if (level.mapNumber < 1 || level.mapNumber > common::kMapCount) {
        fuzz::fail("the game accepted a map outside 1..8");
    }
    if (!onField(level.flyX, level.flyY) || !onField(level.gravityX, level.gravityY)) {
        fuzz::fail("the game accepted a position off the map");
    }
    if (level.bubblesTotal < 1 || level.enemyCount < 0 || level.enemyCount > common::kMaxEnemies) {
        fuzz::fail("the game accepted a count out of range");
    }
    if (level.minutes < 0 || level.seconds < 0 || level.seconds > 59 ||
        level.minutes * 60 + level.seconds == 0) {
        fuzz::fail("the game accepted a time limit it cannot count down");
    }
    for (int i = 0; i < level.enemyCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (level.enemyKind[slot] < 1 || level.enemyKind[slot] > 4 ||
            !onField(level.enemyX[slot], level.enemyY[slot]) ||
            !std::isfinite(level.enemyAngle[slot])) {
            fuzz::fail("the game accepted an enemy it cannot place");
        }
    }
}

// A level the editor opens it can save, and both readers accept the saved file.
void checkEditing(const std::filesystem::path& path) {
    auto read = common::ReadLevelFileForEditing(path);
    if (!read) {
        return;
    }
    const auto saved = fuzz::scratchFolder() / "saved.lev";
    if (auto written = common::WriteLevelFile(saved, read.value()); !written) {
        fuzz::fail("the level editor cannot save a level it opened");
    }
    auto again = common::ReadLevelFileForEditing(saved);
    if (!again) {
        fuzz::fail("the level editor cannot open a level it saved");
    }
    const auto& a = read.value();
    const auto& b = again.value();
    if (a.map != b.map || a.flyX != b.flyX || a.flyY != b.flyY || a.bubbles != b.bubbles ||
        a.minutes != b.minutes || a.seconds != b.seconds || a.enemyCount != b.enemyCount) {
        fuzz::fail("saving and opening changed the level");
    }
    auto play = common::readLevelFileForPlay(saved);
    if (!play) {
        fuzz::fail("the game cannot play a level the editor saved");
    }
    checkPlayLevel(play.value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::writeInputFile("level.lev", data, size);
    if (auto play = common::readLevelFileForPlay(path)) {
        checkPlayLevel(play.value());
    }
    checkEditing(path);
    return 0;
}

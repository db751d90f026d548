// The run behind each row of a high-score table: a recording beside the table, in
// highscore/runs/<table>-<place>.replay. The table files stay exactly as they are; a run moves
// with its row when a new row pushes the ones below down, and a run whose first line does not
// name its row (the table was changed by other means) is not offered.
#pragma once

#include "common/result.hpp"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace common {

// Beyond this a run file is not read: hours of play, far past any real record.
inline constexpr std::uintmax_t kMaxHighscoreRunBytes = 64u << 20;

// The row a run was made for.
struct HighscoreRow {
    std::string name;
    std::int16_t points = 0;
};

// highscore/runs/highscore_2_4-1.replay for place 1 of highscore/highscore_2_4.fly.
std::filesystem::path highscoreRunPath(const std::filesystem::path& tablePath, int place);

// The first line of a run: a comment naming the table and the row, so a run that no longer
// belongs to its row is known.
std::string highscoreRunHeader(const std::filesystem::path& tablePath, const HighscoreRow& row);

// A new row entered the table at `place` (1..4): the runs of the rows below move one place
// down, the last place's run is dropped, and `recording` (a replay script) becomes the new row's
// run, written whole or not at all. An empty recording leaves the new row without a run.
Status enterHighscoreRun(const std::filesystem::path& tablePath, int place, const HighscoreRow& row,
                         std::string_view recording);

// Removes every run of the table (its rows were reset).
Status removeHighscoreRuns(const std::filesystem::path& tablePath);

// What the run file of a row holds.
enum class HighscoreRunKind {
    none, // no file, or the run of an earlier row at this place
    watchable,
    damaged, // a run cut short or too large to be one
    foreign, // not a run of this game
};
struct HighscoreRunCheck {
    HighscoreRunKind kind = HighscoreRunKind::none;
    std::filesystem::path path;
    std::string reason; // for damaged and foreign
};
// Reads at most the file's first and last few kilobytes.
HighscoreRunCheck checkHighscoreRun(const std::filesystem::path& tablePath, int place,
                                    const HighscoreRow& row);

} // namespace common

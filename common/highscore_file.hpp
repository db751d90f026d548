#pragma once

#include "common/result.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace common {

inline constexpr int kHighscorePlaces = 4;
inline constexpr int kUserLevelTable = 17; // every user level shares table 17 of its mode

// The longest name name entry types, in characters. The high-score screen sets a place line in
// glyphs from x = 20; a name of this many of the widest glyph the name keyboard types, between
// the longest fixed parts ("4. place: " and "-, points: -32768"), still ends 20 px inside the
// 1024 px screen. The file itself holds names of any length up to its line bound (tables come
// from other installations and other tools too); longer ones are shown cut.
inline constexpr std::size_t kMaxHighscoreNameLength = 23;

// One table: place 1 is the best. Names may be empty.
struct HighscoreFile {
    std::array<std::string, kHighscorePlaces> highscoreNames;
    std::array<std::int16_t, kHighscorePlaces> highscorePoints{};
};

// "highscore_1.fly" for the scenario (gameMode 1, any level), otherwise
// "highscore_<mode>_<level>.fly" with level 17 for a user level.
std::string highscoreFileName(int gameMode, int levelNumber, bool userLevel);

// root/highscore/<name> and root/highscore/default/<name>.
std::filesystem::path highscoreFilePath(const std::filesystem::path& root, int gameMode,
                                        int levelNumber, bool userLevel);
std::filesystem::path defaultHighscoreFilePath(const std::filesystem::path& root, int gameMode,
                                               int levelNumber, bool userLevel);

// Eight lines: name and points of places 1 to 4. Points are 16-bit whole numbers; a name is any
// line the text reader takes (up to kMaxLineBytes).
Result<HighscoreFile> readHighscoreFile(const std::filesystem::path& path);

// What a table file still holds. A row whose name and points both read keeps its order and
// moves up over the rows that do not; the places left over are empty with 0 points. Fails only
// when the file is missing or cannot be read at all.
struct HighscoreReading {
    HighscoreFile table;
    std::optional<Error> damage; // the first fault of a damaged file; empty for a sound one
};
Result<HighscoreReading> readHighscoreRows(const std::filesystem::path& path);

// Copies a damaged table to "<name>.damaged" beside it, or to "<name>.damaged2", "...3" and
// so on when that is taken: an earlier copy is never replaced. Returns the copy's path.
Result<std::filesystem::path> setDamagedHighscoreAside(const std::filesystem::path& path);

// Writes the eight lines, replacing the file atomically. A name the reader would refuse (one
// longer than kMaxLineBytes characters) is refused. A damaged file in the way is set aside first;
// when that fails nothing is written.
Status writeHighscoreFile(const std::filesystem::path& path, const HighscoreFile& table);

// Puts the default copy back: the default file is copied whole over the table file, a damaged
// table being set aside first. A default that does not read as a table is refused and the
// table file stays as it was.
Status restoreDefaultHighscoreFile(const std::filesystem::path& defaultPath,
                                   const std::filesystem::path& tablePath);

// Enters a score: it takes the first place whose points it beats (strictly), the places below
// move down and the last drops out; the new place gets an empty name. Returns the place taken
// (1..4), or 0 when the score beats none. Scores beyond 16 bits are stored as 32767.
std::int16_t insertScore(HighscoreFile& table, std::int32_t score);

} // namespace common

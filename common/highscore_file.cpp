#include "common/highscore_file.hpp"

#include "common/atomic_file.hpp"
#include "common/line_values.hpp"
#include "common/numbers.hpp"
#include "common/text_lines.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

namespace common {
namespace {

constexpr std::size_t kHighscoreLines = 2 * kHighscorePlaces;

} // namespace

std::string highscoreFileName(int gameMode, int levelNumber, bool userLevel) {
    if (gameMode == 1) {
        return "highscore_1.fly";
    }
    const int table = userLevel ? kUserLevelTable : levelNumber;
    return "highscore_" + formatInteger(gameMode) + "_" + formatInteger(table) + ".fly";
}

std::filesystem::path highscoreFilePath(const std::filesystem::path& root, int gameMode,
                                        int levelNumber, bool userLevel) {
    return root / "highscore" / highscoreFileName(gameMode, levelNumber, userLevel);
}

std::filesystem::path defaultHighscoreFilePath(const std::filesystem::path& root, int gameMode,
                                               int levelNumber, bool userLevel) {
    return root / "highscore" / "default" / highscoreFileName(gameMode, levelNumber, userLevel);
}

Result<HighscoreFile> readHighscoreFile(const std::filesystem::path& path) {
    auto read = readTextLines(path, kHighscoreLines);
    if (!read) {
        return read.error();
    }
    const std::vector<std::string>& lines = read.value();
    if (auto enough = requireLines(path, lines, kHighscoreLines); !enough) {
        return enough.error();
    }
    HighscoreFile table;
    for (std::size_t place = 0; place < kHighscorePlaces; ++place) {
        table.highscoreNames[place] = lines[2 * place];
        auto points = readInt16Value(path, lines, 2 * place + 1, 0, "the points of a place",
                                     std::numeric_limits<std::int16_t>::min(),
                                     std::numeric_limits<std::int16_t>::max());
        if (!points) {
            return points.error();
        }
        table.highscorePoints[place] = points.value();
    }
    return table;
}

Status writeHighscoreFile(const std::filesystem::path& path, const HighscoreFile& table) {
    std::vector<std::string> lines;
    for (std::size_t place = 0; place < kHighscorePlaces; ++place) {
        lines.push_back(table.highscoreNames[place]);
        lines.push_back(formatInteger(table.highscorePoints[place]));
    }
    return writeTextLines(path, lines);
}

Status restoreDefaultHighscoreFile(const std::filesystem::path& defaultPath,
                                   const std::filesystem::path& tablePath) {
    if (auto check = readHighscoreFile(defaultPath); !check) {
        return check.error();
    }
    std::ifstream in(defaultPath, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return Error{ErrorKind::missingFile, defaultPath.string() + ": file cannot be read"};
    }
    return replaceFileAtomically(tablePath, bytes);
}

std::int16_t insertScore(HighscoreFile& table, std::int32_t score) {
    // A run can score beyond 16 bits; the table holds the largest value it can, and compares
    // what it will hold so an equal stored score still ranks first.
    const auto stored = static_cast<std::int16_t>(std::clamp<std::int32_t>(
        score, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    for (std::size_t place = 0; place < kHighscorePlaces; ++place) {
        if (stored > table.highscorePoints[place]) {
            for (std::size_t below = kHighscorePlaces - 1; below > place; --below) {
                table.highscoreNames[below] = table.highscoreNames[below - 1];
                table.highscorePoints[below] = table.highscorePoints[below - 1];
            }
            table.highscoreNames[place].clear();
            table.highscorePoints[place] = stored;
            return static_cast<std::int16_t>(place + 1);
        }
    }
    return 0;
}

} // namespace common

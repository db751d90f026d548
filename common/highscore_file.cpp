#include "common/highscore_file.hpp"

#include "common/atomic_file.hpp"
#include "common/line_values.hpp"
#include "common/numbers.hpp"
#include "common/text_lines.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <string_view>
#include <system_error>
#include <vector>

namespace common {
namespace {

constexpr std::size_t kHighscoreLines = 2 * kHighscorePlaces;

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A name is as long as a line may be (a byte per character in the file's code page): the file
// format sets no other limit.
constexpr std::size_t kLongestName = kMaxLineBytes;

std::string longestNameText() {
    return "a name of at most " + std::to_string(kLongestName) + " characters";
}

// The fault of one row (name line and points line), if it has one.
std::optional<Error> rowFault(const std::filesystem::path& path, const TextLine& name,
                              std::size_t nameLine, const TextLine& points, std::int16_t& value) {
    if (name.fault) {
        return name.fault;
    }
    if (points.fault) {
        return points.fault;
    }
    auto read = checkInt16(path, nameLine + 1, points.text, "the points of a place",
                           std::numeric_limits<std::int16_t>::min(),
                           std::numeric_limits<std::int16_t>::max());
    if (!read) {
        return read.error();
    }
    value = read.value();
    return std::nullopt;
}

// A damaged table is copied aside before anything replaces it; a sound or missing one is not.
Status keepDamagedTable(const std::filesystem::path& path) {
    const auto reading = readHighscoreRows(path);
    if (!reading || !reading.value().damage) {
        return {};
    }
    if (auto aside = setDamagedHighscoreAside(path); !aside) {
        return aside.error();
    }
    return {};
}

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

Result<HighscoreReading> readHighscoreRows(const std::filesystem::path& path) {
    auto read = readTextLinesEach(path, kHighscoreLines);
    if (!read) {
        return read.error();
    }
    const std::vector<TextLine>& lines = read.value();
    HighscoreReading reading;
    std::size_t kept = 0;
    for (std::size_t row = 0; row < kHighscorePlaces && 2 * row + 1 < lines.size(); ++row) {
        std::int16_t points = 0;
        auto fault = rowFault(path, lines[2 * row], 2 * row + 1, lines[2 * row + 1], points);
        if (fault) {
            if (!reading.damage) {
                reading.damage = std::move(fault);
            }
            continue;
        }
        reading.table.highscoreNames[kept] = lines[2 * row].text;
        reading.table.highscorePoints[kept] = points;
        ++kept;
    }
    if (lines.size() < kHighscoreLines && !reading.damage) {
        reading.damage =
            requireLines(path, std::vector<std::string>(lines.size()), kHighscoreLines).error();
    }
    return reading;
}

Result<HighscoreFile> readHighscoreFile(const std::filesystem::path& path) {
    auto read = readHighscoreRows(path);
    if (!read) {
        return read.error();
    }
    if (read.value().damage) {
        return *read.value().damage;
    }
    return read.value().table;
}

Result<std::filesystem::path> setDamagedHighscoreAside(const std::filesystem::path& path) {
    constexpr int kMostCopies = 1000;
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        std::filesystem::path aside = path;
        aside += copy == 1 ? std::string(".damaged") : ".damaged" + std::to_string(copy);
        std::error_code ec;
        // copy_options::none refuses an existing target: an earlier copy stays as it is.
        if (std::filesystem::copy_file(path, aside, std::filesystem::copy_options::none, ec)) {
            return aside;
        }
        if (ec != std::errc::file_exists) {
            return Error{ErrorKind::writeFailed, path.string() + ": cannot be set aside as " +
                                                     aside.string() + " (" + ec.message() + ")"};
        }
    }
    return Error{ErrorKind::writeFailed,
                 path.string() + ": cannot be set aside, every name for its copy is taken"};
}

Status writeHighscoreFile(const std::filesystem::path& path, const HighscoreFile& table) {
    std::vector<std::string> lines;
    for (std::size_t place = 0; place < kHighscorePlaces; ++place) {
        if (characterCount(table.highscoreNames[place]) > kLongestName) {
            return Error{ErrorKind::writeFailed,
                         path.string() + ": line " + std::to_string(2 * place + 1) + ": expected " +
                             longestNameText(),
                         2 * place + 1};
        }
        lines.push_back(table.highscoreNames[place]);
        lines.push_back(formatInteger(table.highscorePoints[place]));
    }
    if (auto kept = keepDamagedTable(path); !kept) {
        return kept;
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
    if (auto kept = keepDamagedTable(tablePath); !kept) {
        return kept;
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

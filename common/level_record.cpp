#include "common/level_record.hpp"

#include "common/line_values.hpp"
#include "common/numbers.hpp"
#include "common/text_lines.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace common {
namespace {

// Key lengths: a reader cuts each value after these many characters.
constexpr std::size_t kMapKey = 7; // "map:map"
constexpr std::size_t kFlyKey = 5;
constexpr std::size_t kGravitationKey = 13;
constexpr std::size_t kCountKey = 8; // bubbles, minutes, seconds
constexpr std::size_t kEnemyCountKey = 6;
constexpr std::size_t kEnemyWholeKey = 11; // enemyindex, enemyangle
constexpr std::size_t kEnemyPositionKey = 7;

constexpr std::size_t kFixedLines = 10;
constexpr std::size_t kLinesPerEnemy = 4;
constexpr std::size_t kMaxLevelLines = kFixedLines + kLinesPerEnemy * kMaxEnemies;

// Positions must lie on the 1024 x 768 map picture.
constexpr double kFieldWidth = 1024.0;
constexpr double kFieldHeight = 768.0;

float toField(float view) {
    return static_cast<float>(view * kViewToField);
}

std::vector<std::string> levelLines(const LevelRecord& level, bool userHeader, bool scale) {
    const auto position = [scale](float value) {
        return formatDecimal(scale ? toField(value) : value);
    };
    const GravitationPoint gravity = gravitationPoint(level.map);
    std::vector<std::string> lines = {
        userHeader ? kUserLevelHeader : kBuiltInLevelHeader,
        "map:map" + formatInteger(level.map),
        "FlyX:" + position(level.flyX),
        "FlyY:" + position(level.flyY),
        "GravitationX:" + formatInteger(gravity.x),
        "GravitationY:" + formatInteger(gravity.y),
        "bubbles:" + formatInteger(level.bubbles),
        "minutes:" + formatInteger(level.minutes),
        "seconds:" + formatInteger(level.seconds),
    };
    lines.push_back("enemy:" + formatInteger(level.enemyCount));
    // Blocks beyond the slots cannot exist; the check before writing refuses such a count.
    const int count = std::clamp<int>(level.enemyCount, 0, kMaxEnemies);
    for (int i = 0; i < count; ++i) {
        const LevelEnemy& enemy = level.enemies[static_cast<std::size_t>(i)];
        lines.push_back("enemyindex:" + formatInteger(enemy.kind));
        lines.push_back("enemyx:" + position(enemy.x));
        lines.push_back("enemyy:" + position(enemy.y));
        lines.push_back("enemyangle:" + formatInteger(enemy.angle));
    }
    return lines;
}

// Values shared by both readers: lines 7 to 10 and the enemy blocks, checked against the
// ranges the format allows so the game never plays a level it cannot hold.
struct CommonValues {
    std::int16_t bubbles = 0;
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
    std::int16_t enemyCount = 0;
    std::array<std::int16_t, kMaxEnemies> kind{};
    std::array<double, kMaxEnemies> x{};
    std::array<double, kMaxEnemies> y{};
    std::array<double, kMaxEnemies> angle{};
};

Result<CommonValues> readCommonValues(const std::filesystem::path& path,
                                      const std::vector<std::string>& lines) {
    CommonValues values;
    auto bubbles = readInt16Value(path, lines, 6, kCountKey,
                                  "the number of bubbles after \"bubbles:\"", 1, 99);
    if (!bubbles) {
        return bubbles.error();
    }
    auto minutes =
        readInt16Value(path, lines, 7, kCountKey, "the minutes after \"minutes:\"", 0, 99);
    if (!minutes) {
        return minutes.error();
    }
    auto seconds =
        readInt16Value(path, lines, 8, kCountKey, "the seconds after \"seconds:\"", 0, 59);
    if (!seconds) {
        return seconds.error();
    }
    if (minutes.value() == 0 && seconds.value() == 0) {
        return lineError(path, 9, "a time limit of at least one second");
    }
    auto count = readInt16Value(path, lines, 9, kEnemyCountKey,
                                "the number of enemies after \"enemy:\"", 0, kMaxEnemies);
    if (!count) {
        return count.error();
    }
    values.bubbles = bubbles.value();
    values.minutes = minutes.value();
    values.seconds = seconds.value();
    values.enemyCount = count.value();
    for (std::size_t i = 0; i < static_cast<std::size_t>(values.enemyCount); ++i) {
        const std::size_t first = kFixedLines + i * kLinesPerEnemy;
        auto kind = readInt16Value(path, lines, first, kEnemyWholeKey,
                                   "an enemy kind after \"enemyindex:\"", 1, 4);
        if (!kind) {
            return kind.error();
        }
        auto x = readDecimalValue(path, lines, first + 1, kEnemyPositionKey,
                                  "an enemy x after \"enemyx:\"", 0.0, kFieldWidth);
        if (!x) {
            return x.error();
        }
        auto y = readDecimalValue(path, lines, first + 2, kEnemyPositionKey,
                                  "an enemy y after \"enemyy:\"", 0.0, kFieldHeight);
        if (!y) {
            return y.error();
        }
        auto angle =
            readDecimalValue(path, lines, first + 3, kEnemyWholeKey,
                             "an enemy heading in degrees after \"enemyangle:\"", 0.0, 360.0);
        if (!angle) {
            return angle.error();
        }
        values.kind[i] = kind.value();
        values.x[i] = x.value();
        values.y[i] = y.value();
        values.angle[i] = angle.value();
    }
    return values;
}

struct FlyPosition {
    double x = 0.0;
    double y = 0.0;
};

// Lines 3 and 4, in map picture pixels.
Result<FlyPosition> readFlyPosition(const std::filesystem::path& path,
                                    const std::vector<std::string>& lines) {
    auto x =
        readDecimalValue(path, lines, 2, kFlyKey, "the fly's x after \"FlyX:\"", 0.0, kFieldWidth);
    if (!x) {
        return x.error();
    }
    auto y =
        readDecimalValue(path, lines, 3, kFlyKey, "the fly's y after \"FlyY:\"", 0.0, kFieldHeight);
    if (!y) {
        return y.error();
    }
    return FlyPosition{x.value(), y.value()};
}

Result<std::int16_t> toView(const std::filesystem::path& path, std::size_t lineNumber,
                            double field) {
    auto view = roundHalfEvenToInt16(field / kViewToField);
    if (!view) {
        return lineError(path, lineNumber, "a position within the map");
    }
    return view.value();
}

// The game's view of a level's lines; also the check every writer runs before writing.
Result<PlayLevel> parsePlayLines(const std::filesystem::path& path,
                                 const std::vector<std::string>& lines) {
    if (auto enough = requireLines(path, lines, kFixedLines); !enough) {
        return enough.error();
    }
    PlayLevel level;
    auto map =
        readInt16Value(path, lines, 1, kMapKey, "a map number after \"map:map\"", 1, kMapCount);
    if (!map) {
        return map.error();
    }
    level.mapNumber = map.value();
    auto fly = readFlyPosition(path, lines);
    if (!fly) {
        return fly.error();
    }
    auto gravityX = readDecimalValue(path, lines, 4, kGravitationKey,
                                     "a gravitation x after \"GravitationX:\"", 0.0, kFieldWidth);
    if (!gravityX) {
        return gravityX.error();
    }
    auto gravityY = readDecimalValue(path, lines, 5, kGravitationKey,
                                     "a gravitation y after \"GravitationY:\"", 0.0, kFieldHeight);
    if (!gravityY) {
        return gravityY.error();
    }
    auto values = readCommonValues(path, lines);
    if (!values) {
        return values.error();
    }
    level.flyX = fly.value().x;
    level.flyY = fly.value().y;
    level.gravityX = gravityX.value();
    level.gravityY = gravityY.value();
    level.bubblesTotal = values.value().bubbles;
    level.minutes = values.value().minutes;
    level.seconds = values.value().seconds;
    level.enemyCount = values.value().enemyCount;
    for (std::size_t i = 0; i < static_cast<std::size_t>(level.enemyCount); ++i) {
        level.enemyKind[i] = values.value().kind[i];
        level.enemyX[i] = values.value().x[i];
        level.enemyY[i] = values.value().y[i];
        level.enemyAngle[i] = values.value().angle[i];
    }
    return level;
}

// Writes only a level the game can play, so a bad document fails here and not at play time.
Status writeCheckedLevel(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    if (auto check = parsePlayLines(path, lines); !check) {
        return Error{ErrorKind::writeFailed, check.message()};
    }
    return writeTextLines(path, lines);
}

} // namespace

GravitationPoint gravitationPoint(int map) {
    if (map < 1 || map > kMapCount) {
        return kGravitationPoints[0];
    }
    return kGravitationPoints[static_cast<std::size_t>(map - 1)];
}

std::filesystem::path levelFilePath(const std::filesystem::path& root, int number, bool userLevel) {
    const std::string name = "level" + formatInteger(number) + ".lev";
    return userLevel ? root / "levels" / "user" / name : root / "levels" / name;
}

Status WriteLevelFile(const std::filesystem::path& path, const LevelRecord& document) {
    return writeCheckedLevel(path, levelLines(document, true, true));
}

Status writeBuiltInLevelFile(const std::filesystem::path& path, const LevelRecord& level) {
    return writeCheckedLevel(path, levelLines(level, false, false));
}

Result<LevelRecord> ReadLevelFileForEditing(const std::filesystem::path& path) {
    auto read = readTextLines(path, kMaxLevelLines);
    if (!read) {
        return read.error();
    }
    const std::vector<std::string>& lines = read.value();
    if (lines.empty() || (lines[0] != kBuiltInLevelHeader && lines[0] != kUserLevelHeader)) {
        Error error = lineError(path, 1,
                                "\"" + std::string(kUserLevelHeader) + "\" or \"" +
                                    kBuiltInLevelHeader + "\"");
        error.kind = ErrorKind::wrongHeader;
        return error;
    }
    if (auto enough = requireLines(path, lines, kFixedLines); !enough) {
        return enough.error();
    }
    LevelRecord document;
    document.userLevelFile = lines[0] == kUserLevelHeader;
    auto map = checkInt16(path, 2, lastCharacter(lines[1]),
                          "a map number as the last character of the line", 1, kMapCount);
    if (!map) {
        return map.error();
    }
    document.map = map.value();
    auto fly = readFlyPosition(path, lines);
    if (!fly) {
        return fly.error();
    }
    // Lines 5 and 6 are not used: the editor writes the map's own gravitation point.
    auto values = readCommonValues(path, lines);
    if (!values) {
        return values.error();
    }
    auto viewX = toView(path, 3, fly.value().x);
    auto viewY = toView(path, 4, fly.value().y);
    if (!viewX || !viewY) {
        return (viewX ? viewY : viewX).error();
    }
    document.flyX = viewX.value();
    document.flyY = viewY.value();
    document.bubbles = values.value().bubbles;
    document.minutes = values.value().minutes;
    document.seconds = values.value().seconds;
    document.enemyCount = values.value().enemyCount;
    for (std::size_t i = 0; i < static_cast<std::size_t>(document.enemyCount); ++i) {
        const std::size_t first = kFixedLines + i * kLinesPerEnemy;
        auto x = toView(path, first + 2, values.value().x[i]);
        auto y = toView(path, first + 3, values.value().y[i]);
        if (!x || !y) {
            return (x ? y : x).error();
        }
        auto angle = roundHalfEvenToInt16(values.value().angle[i]);
        document.enemies[i] = {values.value().kind[i], static_cast<float>(x.value()),
                               static_cast<float>(y.value()), angle ? angle.value() : int16_t{0}};
    }
    return document;
}

Result<PlayLevel> readLevelFileForPlay(const std::filesystem::path& path) {
    auto read = readTextLines(path, kMaxLevelLines);
    if (!read) {
        return read.error();
    }
    return parsePlayLines(path, read.value());
}

} // namespace common

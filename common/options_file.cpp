#include "common/options_file.hpp"

#include "common/line_values.hpp"
#include "common/numbers.hpp"
#include "common/text_lines.hpp"

#include <limits>

namespace common {
namespace {

// Line indexes (0-based) and the number of characters each reader skips before the value.
constexpr std::size_t kModeLine = 1, kModeKey = 9;
constexpr std::size_t kLanguageLine = 2, kLanguageKey = 13;
constexpr std::size_t kMusicLine = 3, kMusicKey = 6;
constexpr std::size_t kSfxLine = 4, kSfxKey = 4;
constexpr std::size_t kAlertLine = 5, kAlertKey = 6;
constexpr std::size_t kSaveLine = 6, kSaveKey = 5;
constexpr std::size_t kUserLevelsLine = 8, kUserLevelsKey = 11;
constexpr std::size_t kPositionLine = 9, kPositionKey = 13;
constexpr std::size_t kFirstEnemyLine = 10;
constexpr std::size_t kScreenshotsLine = 30, kScreenshotsKey = 12;
constexpr std::array<std::size_t, kEnemyFields> kEnemyKeyLengths = {12, 18, 15, 17, 16};
constexpr std::array<const char*, kEnemyFields> kEnemyKeyNames = {
    "EnemySpeed", "EnemyFollowSpeed", "EnemyReaction", "EnemyFollowTime", "EnemySleepTime"};
constexpr std::array<std::array<int, kEnemyFields>, kEnemyKinds> kEnemyDefaults = {{
    {8, 16, 300, 4000, 1500},
    {18, 19, 3000, 5500, 2000},
    {4, 12, 150, 10000, 12000},
    {6, 10, 1700, 7000, 5000},
}};
constexpr double kLowestEnemyValue = std::numeric_limits<std::int32_t>::min();
constexpr double kHighestEnemyValue = std::numeric_limits<std::int32_t>::max();
constexpr int kMaxUserLevels = 16;
constexpr const char* kFreeLine = "Comment:Edit these settings with Brimzel-Options";
constexpr const char* kNoScreenshots = "Screenshots:0";

std::size_t enemyLine(int kind, int field) {
    return kFirstEnemyLine + static_cast<std::size_t>((kind - 1) * kEnemyFields + field);
}

std::string yesNo(bool on) {
    return on ? "Yes" : "No";
}

// The file as it is on disk for a write that changes only some lines: its first 31 lines, any
// missing ones from the lines read at start. Only an unreadable file falls back completely.
std::vector<std::string> linesToUpdate(const std::filesystem::path& path,
                                       const std::vector<std::string>& startLines) {
    std::vector<std::string> lines;
    auto disk = readTextLines(path, kOptionsLines);
    if (disk) {
        lines = disk.value();
    }
    for (std::size_t i = lines.size(); i < kOptionsLines; ++i) {
        lines.push_back(i < startLines.size() ? startLines[i] : std::string());
    }
    return lines;
}

Result<std::vector<std::string>> readAllOptionLines(const std::filesystem::path& path) {
    auto read = readTextLines(path, kOptionsLines);
    if (!read) {
        return read.error();
    }
    if (auto enough = requireLines(path, read.value(), kOptionsLines); !enough) {
        return enough.error();
    }
    return read;
}

} // namespace

std::string enemyOptionKey(int kind, int field) {
    return std::string(kEnemyKeyNames[static_cast<std::size_t>(field)]) + formatInteger(kind) + ":";
}

int defaultEnemyValue(int kind, int field) {
    return kEnemyDefaults[static_cast<std::size_t>(kind - 1)][static_cast<std::size_t>(field)];
}

std::filesystem::path optionsFilePath(const std::filesystem::path& root) {
    return root / "bin" / "Brimzel.ini";
}

std::vector<std::string> defaultOptionsLines() {
    OptionsEditorData data = defaultOptionsEditorData();
    std::vector<std::string> lines = {
        kOptionsHeader,
        "GameMode:" + data.windowMode,
        "GameLanguage:" + data.language,
        "Music:" + data.music,
        "Sfx:" + data.sounds,
        "Alert:" + data.alert,
        "Save:Yes",
        kFreeLine,
        "UserLevels:0",
        "GamePosition:0",
    };
    for (int kind = 1; kind <= kEnemyKinds; ++kind) {
        for (int field = 0; field < kEnemyFields; ++field) {
            lines.push_back(enemyOptionKey(kind, field) +
                            formatInteger(defaultEnemyValue(kind, field)));
        }
    }
    lines.push_back(kNoScreenshots);
    return lines;
}

Status writeDefaultOptionsFile(const std::filesystem::path& path) {
    return writeTextLines(path, defaultOptionsLines());
}

Result<GameOptions> readGameOptions(const std::filesystem::path& path) {
    auto read = readAllOptionLines(path);
    if (!read) {
        return read.error();
    }
    const std::vector<std::string>& lines = read.value();
    GameOptions options;
    options.optionLines.assign(lines.begin(), lines.begin() + kOptionsLines - 1);
    options.windowMode = textAfter(lines[kModeLine], kModeKey) == "Window";
    options.language = textAfter(lines[kLanguageLine], kLanguageKey);
    options.musicOn = textAfter(lines[kMusicLine], kMusicKey) == "Yes";
    options.soundOn = textAfter(lines[kSfxLine], kSfxKey) == "Yes";
    options.alertEnabled = textAfter(lines[kAlertLine], kAlertKey) == "Yes";
    options.saveEnabled = textAfter(lines[kSaveLine], kSaveKey) == "Yes";
    auto userLevels = readInt16Value(path, lines, kUserLevelsLine, kUserLevelsKey,
                                     "the number of user levels after \"UserLevels:\"", 0,
                                     std::numeric_limits<std::int16_t>::max());
    if (!userLevels) {
        return userLevels.error();
    }
    options.userLevelCount = userLevels.value();
    auto position = readInt16Value(path, lines, kPositionLine, kPositionKey,
                                   "the start screen after \"GamePosition:\"", 0,
                                   std::numeric_limits<std::int16_t>::max());
    if (!position) {
        return position.error();
    }
    options.startScreenState = position.value();
    std::array<std::array<double, kEnemyKinds>*, kEnemyFields> tables = {
        &options.kindSpeed, &options.kindFollowSpeed, &options.kindReaction,
        &options.kindFollowTime, &options.kindSleepTime};
    for (int kind = 1; kind <= kEnemyKinds; ++kind) {
        for (int field = 0; field < kEnemyFields; ++field) {
            const std::string what = "a number after \"" + enemyOptionKey(kind, field) + "\"";
            // Any number a 32-bit whole number holds, negative ones too: the game copes with
            // whatever the insects then do.
            auto value = readDecimalValue(path, lines, enemyLine(kind, field),
                                          kEnemyKeyLengths[static_cast<std::size_t>(field)], what,
                                          kLowestEnemyValue, kHighestEnemyValue);
            if (!value) {
                return value.error();
            }
            const bool perHundred = field == speed || field == followSpeed;
            (*tables[static_cast<std::size_t>(field)])[static_cast<std::size_t>(kind - 1)] =
                perHundred ? value.value() / 100.0 : value.value();
        }
    }
    auto screenshots = readInt32Value(path, lines, kScreenshotsLine, kScreenshotsKey,
                                      "the screenshot count after \"Screenshots:\"", 0,
                                      std::numeric_limits<std::int32_t>::max());
    if (!screenshots) {
        return screenshots.error();
    }
    options.screenshotCount = screenshots.value();
    return options;
}

Status writeGameOptionsAtExit(const std::filesystem::path& path,
                              const std::vector<std::string>& optionLines,
                              const GameOptionsAtExit& values) {
    std::vector<std::string> lines = linesToUpdate(path, optionLines);
    lines[kLanguageLine] = "GameLanguage:" + values.language;
    lines[kMusicLine] = "Music:" + yesNo(values.musicOn);
    lines[kSfxLine] = "Sfx:" + yesNo(values.soundOn);
    lines[kAlertLine] = "Alert:" + yesNo(values.alertEnabled);
    lines[kSaveLine] = "Save:" + yesNo(values.saveEnabled);
    lines[kScreenshotsLine] = "Screenshots:" + formatInteger(values.screenshotCount);
    return writeTextLines(path, lines);
}

Result<LevelEditorOptions> readLevelEditorOptions(const std::filesystem::path& path) {
    auto read = readAllOptionLines(path);
    if (!read) {
        return read.error();
    }
    LevelEditorOptions options;
    options.lines = read.value();
    options.language = textAfter(options.lines[kLanguageLine], kLanguageKey);
    auto count =
        readInt16Value(path, options.lines, kUserLevelsLine, kUserLevelsKey,
                       "the number of user levels after \"UserLevels:\"", 0, kMaxUserLevels);
    if (!count) {
        return count.error();
    }
    options.userLevelCount = count.value();
    return options;
}

Status writeLevelEditorUserLevels(const std::filesystem::path& path,
                                  const std::vector<std::string>& startLines,
                                  std::int16_t userLevelCount) {
    std::vector<std::string> lines = linesToUpdate(path, startLines);
    lines[kUserLevelsLine] = "UserLevels:" + formatInteger(userLevelCount);
    return writeTextLines(path, lines);
}

OptionsEditorData defaultOptionsEditorData() {
    OptionsEditorData data;
    for (int kind = 1; kind <= kEnemyKinds; ++kind) {
        for (int field = 0; field < kEnemyFields; ++field) {
            data.enemyValues[static_cast<std::size_t>(kind - 1)][static_cast<std::size_t>(field)] =
                formatInteger(defaultEnemyValue(kind, field));
        }
    }
    return data;
}

Result<OptionsEditorData> readOptionsEditorFile(const std::filesystem::path& path, bool currentFile,
                                                const std::string& keptLastLine) {
    const std::size_t needed = currentFile ? kOptionsLines : kOptionsLines - 1;
    auto read = readTextLines(path, needed);
    if (!read) {
        return read.error();
    }
    const std::vector<std::string>& lines = read.value();
    if (lines.empty() || lines[0] != kOptionsHeader) {
        Error error = lineError(path, 1, "\"" + std::string(kOptionsHeader) + "\"");
        error.kind = ErrorKind::wrongHeader;
        return error;
    }
    if (auto enough = requireLines(path, lines, needed); !enough) {
        return enough.error();
    }
    OptionsEditorData data;
    data.windowMode = textAfter(lines[kModeLine], kModeKey) == "Window" ? "Window" : "Fullscreen";
    data.language = textAfter(lines[kLanguageLine], kLanguageKey);
    data.music = textAfter(lines[kMusicLine], kMusicKey);
    data.sounds = textAfter(lines[kSfxLine], kSfxKey);
    data.alert = textAfter(lines[kAlertLine], kAlertKey);
    data.keptLines = {lines[6], lines[7], lines[8]};
    data.intro = textAfter(lines[kPositionLine], kPositionKey) == "0" ? 0 : 50;
    for (int kind = 1; kind <= kEnemyKinds; ++kind) {
        for (int field = 0; field < kEnemyFields; ++field) {
            data.enemyValues[static_cast<std::size_t>(kind - 1)][static_cast<std::size_t>(field)] =
                textAfter(lines[enemyLine(kind, field)],
                          kEnemyKeyLengths[static_cast<std::size_t>(field)]);
        }
    }
    data.lastLine = currentFile ? lines[kScreenshotsLine] : keptLastLine;
    return data;
}

Status writeOptionsEditorFile(const std::filesystem::path& path, const OptionsEditorData& data) {
    std::vector<std::string> lines = {
        kOptionsHeader,
        "GameMode:" + std::string(data.windowMode == "Window" ? "Window" : "Fullscreen"),
        "GameLanguage:" + data.language,
        "Music:" + data.music,
        "Sfx:" + data.sounds,
        "Alert:" + data.alert,
        data.keptLines[0],
        data.keptLines[1],
        data.keptLines[2],
        "GamePosition:" + formatInteger(data.intro == 0 ? 0 : 50),
    };
    for (int kind = 1; kind <= kEnemyKinds; ++kind) {
        for (int field = 0; field < kEnemyFields; ++field) {
            const std::string& value = data.enemyValues[static_cast<std::size_t>(kind - 1)]
                                                       [static_cast<std::size_t>(field)];
            lines.push_back(
                enemyOptionKey(kind, field) +
                (value.empty() ? formatInteger(defaultEnemyValue(kind, field)) : value));
        }
    }
    lines.push_back(data.lastLine.empty() ? kNoScreenshots : data.lastLine);
    return writeTextLines(path, lines);
}

} // namespace common

#pragma once

#include "common/result.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace common {

// The options file: 31 lines "Key:value", each value cut at a fixed position (keys are never
// compared, so a key of another length shifts its value). Shared by the game and both editors.
inline constexpr const char* kOptionsHeader = ">> Brimzel Options File <<";
inline constexpr std::size_t kOptionsLines = 31;
inline constexpr int kEnemyKinds = 4;  // 1 wasp, 2 gnat, 3 dragonfly, 4 hornet
inline constexpr int kEnemyFields = 5; // see EnemyField

enum EnemyField { speed = 0, followSpeed = 1, reaction = 2, followTime = 3, sleepTime = 4 };

// "EnemySpeed1:", "EnemyFollowSpeed1:", ... for kind 1..4 and field 0..4.
std::string enemyOptionKey(int kind, int field);

// The shipped value of an enemy field (kind 1..4, field 0..4), e.g. wasp speed 8.
int defaultEnemyValue(int kind, int field);

// root/bin/Brimzel.ini
std::filesystem::path optionsFilePath(const std::filesystem::path& root);

// The 31 lines of a new installation: the defaults, "Save:Yes", "UserLevels:0",
// "Screenshots:0" and a free comment on line 8.
std::vector<std::string> defaultOptionsLines();
Status writeDefaultOptionsFile(const std::filesystem::path& path);

// ---- The game -------------------------------------------------------------------------

// What the game takes at start-up. Enemy tables are indexed by kind - 1.
struct GameOptions {
    std::vector<std::string> optionLines; // lines 1..30 as read
    bool windowMode = false;              // line 2 value exactly "Window"
    std::string language;                 // line 3 value as it stands
    bool musicOn = false;                 // flags are on only for exactly "Yes"
    bool soundOn = false;
    bool alertEnabled = false;
    bool saveEnabled = false;
    std::int16_t userLevelCount = 0;
    std::int16_t startScreenState = 0;                 // line 10: 0 intro, 50 main menu
    std::array<double, kEnemyKinds> kindSpeed{};       // line value / 100
    std::array<double, kEnemyKinds> kindFollowSpeed{}; // line value / 100
    std::array<double, kEnemyKinds> kindReaction{};
    std::array<double, kEnemyKinds> kindFollowTime{};
    std::array<double, kEnemyKinds> kindSleepTime{};
    std::int32_t screenshotCount = 0;
};

// The start-up read. Fails on a missing file, fewer than 31 lines or a number that does not
// read; the error names file and line.
Result<GameOptions> readGameOptions(const std::filesystem::path& path);

// The lines the game owns and writes back at exit.
struct GameOptionsAtExit {
    std::string language;
    bool musicOn = false;
    bool soundOn = false;
    bool alertEnabled = false;
    bool saveEnabled = false;
    std::int32_t screenshotCount = 0;
};

// The exit write: lines 3-7 and 31 from the game, every other line from the file as it is on
// disk now, so changes an editor made meanwhile survive. Only when the file cannot be read are
// the start-up lines (optionLines) used instead.
Status writeGameOptionsAtExit(const std::filesystem::path& path,
                              const std::vector<std::string>& optionLines,
                              const GameOptionsAtExit& values);

// ---- The level editor -----------------------------------------------------------------

struct LevelEditorOptions {
    std::vector<std::string> lines;  // all 31 lines as read
    std::string language;            // line 3 value
    std::int16_t userLevelCount = 0; // line 9 value, 0..16
};

Result<LevelEditorOptions> readLevelEditorOptions(const std::filesystem::path& path);

// The end write: "UserLevels:" + count as line 9 of the file as it is on disk now; the lines
// read at start are used only when the file cannot be read.
Status writeLevelEditorUserLevels(const std::filesystem::path& path,
                                  const std::vector<std::string>& startLines,
                                  std::int16_t userLevelCount);

// ---- The options editor ---------------------------------------------------------------

// The options editor's fields. Enemy values are texts, [kind - 1][field].
struct OptionsEditorData {
    std::string windowMode = "Fullscreen"; // "Window" or "Fullscreen"
    std::string language = "cz";
    std::string music = "Yes";
    std::string sounds = "Yes";
    std::string alert = "Yes";
    std::array<std::string, 3> keptLines; // lines 7, 8 and 9, written back unchanged
    std::int16_t intro = 0;               // 0 show the intro, 50 not
    std::array<std::array<std::string, kEnemyFields>, kEnemyKinds> enemyValues;
    std::string lastLine; // line 31, kept from the current options file
};

// Fields with the defaults of a new file (keeps no lines of any file).
OptionsEditorData defaultOptionsEditorData();

// Reads a file for the options editor. A first line other than the header fails with
// ErrorKind::wrongHeader. Line 31 is read only from the current file (currentFile true);
// otherwise lastLine is set to keptLastLine.
Result<OptionsEditorData> readOptionsEditorFile(const std::filesystem::path& path, bool currentFile,
                                                const std::string& keptLastLine = {});

// Writes all 31 lines from the fields. An empty enemy value is written as its default, and an
// empty lastLine as "Screenshots:0", so the game can always read what the editor wrote.
Status writeOptionsEditorFile(const std::filesystem::path& path, const OptionsEditorData& data);

} // namespace common

// The shipped high-score tables with their identical default copies, and the installed options
// file: present, readable by the game, with values a player could reach.
#include "common/highscore_file.hpp"
#include "common/level_record.hpp"
#include "common/options_file.hpp"
#include "common/text_lines.hpp"
#include "tree_files.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace tree_files;

struct Table {
    int mode;
    int level;
    bool user;
};

std::vector<Table> allTables() {
    std::vector<Table> tables = {{1, 1, false}};
    for (int mode = 2; mode <= 3; ++mode) {
        for (int level = 1; level <= 16; ++level)
            tables.push_back({mode, level, false});
        tables.push_back({mode, 17, true});
    }
    return tables;
}

// Characters of the name-entry glyph font; a name must be drawable on the high-score screen.
bool drawable(const std::string& utf8) {
    static const std::string ascii = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                     "1234567890.:,-/\\*+'!?=()<> ";
    static const std::vector<std::string> czech = {"á", "ř", "ý", "č", "š", "ů", "í", "é"};
    for (std::size_t i = 0; i < utf8.size();) {
        if (ascii.find(utf8[i]) != std::string::npos) {
            ++i;
            continue;
        }
        bool found = false;
        for (const std::string& c : czech)
            if (utf8.compare(i, c.size(), c) == 0) {
                i += c.size();
                found = true;
                break;
            }
        if (!found)
            return false;
    }
    return true;
}

TEST(ShippedTables, EveryTableAndItsDefaultCopyExistAndMatch) {
    for (const Table& t : allTables()) {
        const auto path = common::highscoreFilePath(kTree, t.mode, t.level, t.user);
        const auto copy = common::defaultHighscoreFilePath(kTree, t.mode, t.level, t.user);
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
        ASSERT_TRUE(std::filesystem::is_regular_file(copy)) << copy;
        EXPECT_EQ(bytesOf(path), bytesOf(copy)) << path;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(kTree / "highscore/highscore_2_17.fly"));
    EXPECT_TRUE(std::filesystem::is_regular_file(kTree / "highscore/default/highscore_1.fly"));
}

TEST(ShippedTables, NamesAreDrawableAndPointsDescendWithinReach) {
    for (const Table& t : allTables()) {
        const auto path = common::highscoreFilePath(kTree, t.mode, t.level, t.user);
        auto table = common::readHighscoreFile(path);
        ASSERT_TRUE(table.ok()) << table.message();
        const auto& points = table.value().highscorePoints;
        for (int place = 0; place < 4; ++place) {
            const auto p = static_cast<std::size_t>(place);
            const std::string& name = table.value().highscoreNames[p];
            EXPECT_FALSE(name.empty()) << path;
            EXPECT_TRUE(drawable(name)) << path << ": " << name;
            EXPECT_GT(points[p], 0) << path;
            if (place > 0) {
                EXPECT_LT(points[p], points[p - 1]) << path;
            }
        }
        if (t.mode == 1) {
            // A whole scenario collects 480 bubbles of 20 points plus bonuses.
            EXPECT_GE(points[3], 9600) << path;
            EXPECT_LE(points[0], 12000) << path;
        } else if (!t.user) {
            auto level = common::readLevelFileForPlay(kTree / "levels" /
                                                      ("level" + std::to_string(t.level) + ".lev"));
            ASSERT_TRUE(level.ok()) << level.message();
            const int seconds = level.value().minutes * 60 + level.value().seconds;
            const int bubbles = level.value().bubblesTotal;
            if (t.mode == 2) {
                // One bubble every two seconds for the whole clock would be out of reach.
                EXPECT_LE(points[0], 20 * seconds / 2 + 5 * seconds / 8) << path;
            } else {
                // A time attack is won with every bubble; the bonus is the time to spare.
                EXPECT_GE(points[3], 20 * bubbles) << path;
                EXPECT_LE(points[0], 20 * bubbles + seconds + 5 * seconds / 8) << path;
            }
        }
    }
}

TEST(InstalledOptions, GameReadsTheDefaults) {
    const auto path = common::optionsFilePath(kTree);
    auto options = common::readGameOptions(path);
    ASSERT_TRUE(options.ok()) << options.message();
    const common::GameOptions& o = options.value();
    EXPECT_FALSE(o.windowMode);
    EXPECT_EQ(o.language, "cz");
    EXPECT_TRUE(o.musicOn);
    EXPECT_TRUE(o.soundOn);
    EXPECT_TRUE(o.alertEnabled);
    EXPECT_TRUE(o.saveEnabled);
    EXPECT_EQ(o.userLevelCount, 0);
    EXPECT_EQ(o.startScreenState, 0);
    EXPECT_EQ(o.screenshotCount, 0);
    // Wasp, gnat, dragonfly, hornet.
    EXPECT_DOUBLE_EQ(o.kindSpeed[0], 0.08);
    EXPECT_DOUBLE_EQ(o.kindFollowSpeed[1], 0.19);
    EXPECT_DOUBLE_EQ(o.kindReaction[2], 150);
    EXPECT_DOUBLE_EQ(o.kindFollowTime[3], 7000);
    EXPECT_DOUBLE_EQ(o.kindSleepTime[2], 12000);
}

TEST(InstalledOptions, HasThirtyOneLinesWithTheInstalledValues) {
    const auto path = common::optionsFilePath(kTree);
    EXPECT_EQ(path, kTree / "bin" / "Brimzel.ini");
    auto lines = common::readTextLines(path, 100);
    ASSERT_TRUE(lines.ok()) << lines.message();
    const auto& l = lines.value();
    ASSERT_EQ(l.size(), 31u);
    EXPECT_EQ(l[0], ">> Brimzel Options File <<");
    EXPECT_EQ(l[6], "Save:Yes");
    EXPECT_FALSE(l[7].empty()) << "line 8 holds a free text";
    EXPECT_EQ(l[8], "UserLevels:0");
    EXPECT_EQ(l[30], "Screenshots:0");
    const std::string bytes = bytesOf(path);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

} // namespace

#include "common/options_file.hpp"
#include "common/text_lines.hpp"
#include "temp_folder.hpp"

#include <gtest/gtest.h>

namespace {

using common::defaultOptionsLines;
using common::readGameOptions;

std::vector<std::string> readLines(const std::filesystem::path& file) {
    return common::readTextLines(file, 100).value();
}

TEST(OptionsFile, DefaultsAreThirtyOneLinesTheGameReads) {
    const auto lines = defaultOptionsLines();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], ">> Brimzel Options File <<");
    EXPECT_EQ(lines[1], "GameMode:Fullscreen");
    EXPECT_EQ(lines[6], "Save:Yes");
    EXPECT_EQ(lines[8], "UserLevels:0");
    EXPECT_EQ(lines[9], "GamePosition:0");
    EXPECT_EQ(lines[10], "EnemySpeed1:8");
    EXPECT_EQ(lines[16], "EnemyFollowSpeed2:19");
    EXPECT_EQ(lines[24], "EnemySleepTime3:12000");
    EXPECT_EQ(lines[27], "EnemyReaction4:1700");
    EXPECT_EQ(lines[30], "Screenshots:0");

    TempFolder folder;
    const auto file = folder.file("Brimzel.ini");
    ASSERT_TRUE(common::writeDefaultOptionsFile(file).ok());
    auto options = readGameOptions(file);
    ASSERT_TRUE(options.ok()) << options.message();
    EXPECT_FALSE(options.value().windowMode);
    EXPECT_EQ(options.value().language, "cz");
    EXPECT_TRUE(options.value().musicOn && options.value().soundOn);
    EXPECT_TRUE(options.value().alertEnabled && options.value().saveEnabled);
    EXPECT_EQ(options.value().optionLines.size(), 30u);
    EXPECT_DOUBLE_EQ(options.value().kindSpeed[0], 0.08);
    EXPECT_DOUBLE_EQ(options.value().kindFollowSpeed[1], 0.19);
    EXPECT_DOUBLE_EQ(options.value().kindReaction[3], 1700.0);
    EXPECT_DOUBLE_EQ(options.value().kindFollowTime[2], 10000.0);
    EXPECT_DOUBLE_EQ(options.value().kindSleepTime[0], 1500.0);
    EXPECT_EQ(options.value().screenshotCount, 0);
}

TEST(OptionsFile, ValuesAreCutByPosition) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines[1] = "GameMode:Window";
    lines[2] = "GameLanguagee:en"; // one character longer: the cut keeps the colon
    lines[3] = "Music:yes";        // only "Yes" is on
    lines[4] = "Sfxx:Yes";         // cut to ":Yes", so off
    lines[5] = "Alrt:Yes";         // one shorter: cut to "es"
    lines[8] = "USERLEVELS=7";     // same length, other text: keys are never compared
    lines[9] = "GamePosition:50";
    lines[10] = "EnemySpeed1:8,5";
    auto options = readGameOptions(folder.writeLines("o.ini", lines));
    ASSERT_TRUE(options.ok()) << options.message();
    EXPECT_TRUE(options.value().windowMode);
    EXPECT_EQ(options.value().language, ":en");
    EXPECT_FALSE(options.value().musicOn);
    EXPECT_FALSE(options.value().soundOn);
    EXPECT_FALSE(options.value().alertEnabled);
    EXPECT_EQ(options.value().userLevelCount, 7);
    EXPECT_EQ(options.value().startScreenState, 50);
    EXPECT_DOUBLE_EQ(options.value().kindSpeed[0], 0.085);

    lines[2] = "GameLanguage: cz"; // a blank after the colon belongs to the value
    EXPECT_EQ(readGameOptions(folder.writeLines("o.ini", lines)).value().language, " cz");

    lines[8] = "UserLevelss:7"; // cut to ":7", which is no number
    options = readGameOptions(folder.writeLines("o.ini", lines));
    ASSERT_FALSE(options.ok());
    EXPECT_NE(options.message().find("o.ini: line 9"), std::string::npos) << options.message();
}

TEST(OptionsFile, EnemyValuesTakeAnyThirtyTwoBitWholeNumber) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines[10] = "EnemySpeed1:-8";
    lines[11] = "EnemyFollowSpeed1:-2147483648";
    lines[12] = "EnemyReaction1:2147483647";
    lines[13] = "EnemyFollowTime1:-1";
    auto options = readGameOptions(folder.writeLines("o.ini", lines));
    ASSERT_TRUE(options.ok()) << options.message();
    EXPECT_DOUBLE_EQ(options.value().kindSpeed[0], -0.08);
    EXPECT_DOUBLE_EQ(options.value().kindFollowSpeed[0], -21474836.48);
    EXPECT_DOUBLE_EQ(options.value().kindReaction[0], 2147483647.0);
    EXPECT_DOUBLE_EQ(options.value().kindFollowTime[0], -1.0);

    lines[12] = "EnemyReaction1:2147483648";
    options = readGameOptions(folder.writeLines("o.ini", lines));
    ASSERT_FALSE(options.ok());
    EXPECT_NE(options.message().find("line 13: "), std::string::npos) << options.message();
    EXPECT_NE(options.message().find(" from -2147483648 to 2147483647,"), std::string::npos)
        << options.message();
}

TEST(OptionsFile, LowerCaseYesIsWrittenBackAsNo) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines[3] = "Music:yes";
    const auto file = folder.writeLines("o.ini", lines);
    auto options = readGameOptions(file).value();
    common::GameOptionsAtExit atExit{options.language,    options.musicOn,
                                     options.soundOn,     options.alertEnabled,
                                     options.saveEnabled, options.screenshotCount};
    ASSERT_TRUE(common::writeGameOptionsAtExit(file, options.optionLines, atExit).ok());
    EXPECT_EQ(readLines(file)[3], "Music:No");
}

TEST(OptionsFile, ExtraLinesAreReadAndDroppedByTheNextWrite) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines.push_back("Extra:1");
    const auto file = folder.writeLines("o.ini", lines);
    auto options = readGameOptions(file);
    ASSERT_TRUE(options.ok()) << options.message();
    ASSERT_TRUE(common::writeGameOptionsAtExit(file, options.value().optionLines, {"cz"}).ok());
    EXPECT_EQ(readLines(file).size(), 31u);
}

TEST(OptionsFile, GameExitWritesOnlyItsOwnLinesIntoTheFileOnDisk) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines[3] = "Music:yes";
    lines[30] = "Screenshots:4";
    const auto file = folder.writeLines("o.ini", lines);
    auto options = readGameOptions(file).value();

    // Meanwhile the level editor saved two user levels and the options editor chose a window.
    auto changed = lines;
    changed[8] = "UserLevels:2";
    changed[1] = "GameMode:Window";
    folder.writeLines("o.ini", changed);

    common::GameOptionsAtExit atExit{
        "en", options.musicOn, true, false, true, options.screenshotCount + 10};
    ASSERT_TRUE(common::writeGameOptionsAtExit(file, options.optionLines, atExit).ok());
    auto written = readLines(file);
    ASSERT_EQ(written.size(), 31u);
    EXPECT_EQ(written[1], "GameMode:Window");
    EXPECT_EQ(written[2], "GameLanguage:en");
    EXPECT_EQ(written[3], "Music:No");
    EXPECT_EQ(written[4], "Sfx:Yes");
    EXPECT_EQ(written[5], "Alert:No");
    EXPECT_EQ(written[6], "Save:Yes");
    EXPECT_EQ(written[8], "UserLevels:2");
    EXPECT_EQ(written[30], "Screenshots:14");

    // With the file gone, the start-up copy stands in for the other lines.
    std::filesystem::remove(file);
    ASSERT_TRUE(common::writeGameOptionsAtExit(file, options.optionLines, atExit).ok());
    written = readLines(file);
    ASSERT_EQ(written.size(), 31u);
    EXPECT_EQ(written[1], "GameMode:Fullscreen");
    EXPECT_EQ(written[8], "UserLevels:0");
    EXPECT_EQ(written[30], "Screenshots:14");
    EXPECT_TRUE(readGameOptions(file).ok());
}

TEST(OptionsFile, LevelEditorWritesOnlyLineNine) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines[2] = "GameLanguage:en";
    lines[8] = "UserLevels:3";
    const auto file = folder.writeLines("o.ini", lines);
    auto options = common::readLevelEditorOptions(file);
    ASSERT_TRUE(options.ok()) << options.message();
    EXPECT_EQ(options.value().language, "en");
    EXPECT_EQ(options.value().userLevelCount, 3);
    EXPECT_EQ(options.value().lines.size(), 31u);

    // The game took a screenshot meanwhile; the editor's end write keeps it.
    auto changed = lines;
    changed[30] = "Screenshots:9";
    folder.writeLines("o.ini", changed);
    ASSERT_TRUE(common::writeLevelEditorUserLevels(file, options.value().lines, 4).ok());
    auto written = readLines(file);
    EXPECT_EQ(written[8], "UserLevels:4");
    EXPECT_EQ(written[30], "Screenshots:9");
    EXPECT_EQ(written[2], "GameLanguage:en");

    lines[8] = "UserLevels:17";
    auto tooMany = common::readLevelEditorOptions(folder.writeLines("o.ini", lines));
    ASSERT_FALSE(tooMany.ok());
    EXPECT_NE(tooMany.message().find("line 9"), std::string::npos);
}

TEST(OptionsFile, OptionsEditorRulesForModeAndStartScreen) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines[1] = "GameMode:Windowed";
    lines[2] = "GameLanguage:de";
    lines[3] = "Music:maybe";
    lines[7] = "Free text: Příliš žluťoučký";
    lines[9] = "GamePosition:7";
    lines[30] = "Screenshots:12";
    const auto file = folder.writeLines("o.ini", lines);
    auto data = common::readOptionsEditorFile(file, true);
    ASSERT_TRUE(data.ok()) << data.message();
    EXPECT_EQ(data.value().windowMode, "Fullscreen");
    EXPECT_EQ(data.value().language, "de");
    EXPECT_EQ(data.value().music, "maybe");
    EXPECT_EQ(data.value().intro, 50);
    EXPECT_EQ(data.value().keptLines[1], "Free text: Příliš žluťoučký");
    EXPECT_EQ(data.value().enemyValues[1][0], "18");
    EXPECT_EQ(data.value().lastLine, "Screenshots:12");

    auto edited = data.value();
    edited.enemyValues[1] = {"", "", "", "", ""}; // gnat deleted: defaults are written
    ASSERT_TRUE(common::writeOptionsEditorFile(folder.file("out.ini"), edited).ok());
    auto written = readLines(folder.file("out.ini"));
    lines[1] = "GameMode:Fullscreen";
    lines[9] = "GamePosition:50";
    EXPECT_EQ(written, lines);
}

TEST(OptionsFile, OptionsEditorReadsLineThirtyOneOnlyFromTheCurrentFile) {
    TempFolder folder;
    auto lines = defaultOptionsLines();
    lines.pop_back(); // a kept options file may stop after the enemy block
    const auto file = folder.writeLines("saved.ini", lines);
    auto data = common::readOptionsEditorFile(file, false, "Screenshots:5");
    ASSERT_TRUE(data.ok()) << data.message();
    EXPECT_EQ(data.value().lastLine, "Screenshots:5");
    EXPECT_FALSE(common::readOptionsEditorFile(file, true).ok());

    // Nothing read from a current file: the game must still find a number on line 31.
    common::OptionsEditorData fresh = common::defaultOptionsEditorData();
    fresh.keptLines = {"Save:No", "", "UserLevels:0"};
    ASSERT_TRUE(common::writeOptionsEditorFile(folder.file("new.ini"), fresh).ok());
    EXPECT_EQ(readLines(folder.file("new.ini"))[30], "Screenshots:0");
    EXPECT_TRUE(readGameOptions(folder.file("new.ini")).ok());
}

TEST(OptionsFile, BadOptionFilesAreErrors) {
    TempFolder folder;
    auto wrongHeader = common::readOptionsEditorFile(
        folder.writeLines("o.ini", {"[settings]", "GameMode:Window"}), true);
    ASSERT_FALSE(wrongHeader.ok());
    EXPECT_EQ(wrongHeader.error().kind, common::ErrorKind::wrongHeader);

    EXPECT_EQ(readGameOptions(folder.file("none.ini")).error().kind,
              common::ErrorKind::missingFile);

    auto lines = defaultOptionsLines();
    lines.pop_back();
    auto thirty = readGameOptions(folder.writeLines("o.ini", lines));
    ASSERT_FALSE(thirty.ok());
    EXPECT_NE(thirty.message().find("o.ini: line 31"), std::string::npos) << thirty.message();

    const auto expectLine = [&](std::size_t index, const std::string& text) {
        auto bad = defaultOptionsLines();
        bad[index] = text;
        auto options = readGameOptions(folder.writeLines("o.ini", bad));
        ASSERT_FALSE(options.ok()) << text;
        EXPECT_NE(options.message().find("line " + std::to_string(index + 1) + ":"),
                  std::string::npos)
            << options.message();
    };
    expectLine(8, "UserLevels:many");
    expectLine(9, "GamePosition:70000");
    expectLine(13, "EnemyFollowTime1:");
    expectLine(29, "EnemySleepTime4:soon");
    expectLine(30, "Screenshots:-1");
    expectLine(5, std::string("Alert:\x01Yes"));

    auto junk = readGameOptions(folder.write("o.ini", std::string(4000, '\0')));
    ASSERT_FALSE(junk.ok());
    EXPECT_NE(junk.message().find("line 1"), std::string::npos);
}

} // namespace

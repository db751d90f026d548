#include "common/level_record.hpp"
#include "common/text_lines.hpp"
#include "temp_folder.hpp"

#include <gtest/gtest.h>

namespace {

using common::LevelRecord;
using common::ReadLevelFileForEditing;
using common::readLevelFileForPlay;
using common::WriteLevelFile;

std::vector<std::string> levelLines(const std::string& header, const std::string& mapLine,
                                    const std::vector<std::string>& enemyLines = {},
                                    const std::string& count = "0") {
    std::vector<std::string> lines = {header,
                                      mapLine,
                                      "FlyX:500",
                                      "FlyY:384",
                                      "GravitationX:412",
                                      "GravitationY:504",
                                      "bubbles:5",
                                      "minutes:1",
                                      "seconds:30",
                                      "enemy:" + count};
    lines.insert(lines.end(), enemyLines.begin(), enemyLines.end());
    return lines;
}

LevelRecord documentWithOneEnemy() {
    LevelRecord document;
    document.map = 3;
    document.flyX = 400;
    document.flyY = 300;
    document.bubbles = 12;
    document.minutes = 2;
    document.seconds = 5;
    document.enemyCount = 1;
    document.enemies[0] = {2, 391, 300, 90};
    return document;
}

TEST(LevelFile, EditorWritesScaledPositionsAndTheMapsGravitation) {
    TempFolder folder;
    const auto file = folder.file("level1.lev");
    ASSERT_TRUE(WriteLevelFile(file, documentWithOneEnemy()).ok());
    EXPECT_EQ(TempFolder::read(file), ">> Brimzel User Level File <<\r\n"
                                      "map:map3\r\nFlyX:512\r\nFlyY:384\r\n"
                                      "GravitationX:711\r\nGravitationY:513\r\n"
                                      "bubbles:12\r\nminutes:2\r\nseconds:5\r\nenemy:1\r\n"
                                      "enemyindex:2\r\nenemyx:500.48\r\nenemyy:384\r\n"
                                      "enemyangle:90\r\n");
    auto back = ReadLevelFileForEditing(file);
    ASSERT_TRUE(back.ok()) << back.message();
    EXPECT_TRUE(back.value().userLevelFile);
    EXPECT_EQ(back.value().map, 3);
    EXPECT_EQ(back.value().flyX, 400.0f);
    EXPECT_EQ(back.value().enemyCount, 1);
    EXPECT_EQ(back.value().enemies[0].kind, 2);
    EXPECT_EQ(back.value().enemies[0].x, 391.0f);
    EXPECT_EQ(back.value().enemies[0].y, 300.0f);
    EXPECT_EQ(back.value().enemies[0].angle, 90);
}

TEST(LevelFile, TypedFieldValueSurvivesTheViewScale) {
    TempFolder folder;
    LevelRecord document = documentWithOneEnemy();
    document.enemies[0].x = static_cast<float>(500 / 1.28); // typed 500, held as 390.625
    EXPECT_EQ(document.enemies[0].x, 390.625f);
    document.flyX = document.enemies[0].x;
    ASSERT_TRUE(WriteLevelFile(folder.file("l.lev"), document).ok());
    auto lines = common::readTextLines(folder.file("l.lev"), 20).value();
    EXPECT_EQ(lines[2], "FlyX:500");
    EXPECT_EQ(lines[11], "enemyx:500");
}

TEST(LevelFile, EditingReaderRoundsHalvesToEven) {
    TempFolder folder;
    const std::vector<std::pair<std::string, float>> cases = {
        {"0.64", 0}, {"0.5", 0}, {"1.92", 2}, {"3.2", 2}, {"3,2", 2}, {"5.12", 4}, {"500.48", 391}};
    for (const auto& [text, view] : cases) {
        const auto file = folder.writeLines(
            "r.lev",
            levelLines(common::kUserLevelHeader, "map:map1",
                       {"enemyindex:1", "enemyx:" + text, "enemyy:" + text, "enemyangle:0"}, "1"));
        auto level = ReadLevelFileForEditing(file);
        ASSERT_TRUE(level.ok()) << level.message();
        EXPECT_EQ(level.value().enemies[0].x, view) << text;
        EXPECT_EQ(level.value().enemies[0].y, view) << text;
    }
}

TEST(LevelFile, LevelWithoutEnemiesAndMapEightGravitation) {
    TempFolder folder;
    LevelRecord document = documentWithOneEnemy();
    document.map = 8;
    document.enemyCount = 0;
    ASSERT_TRUE(WriteLevelFile(folder.file("l.lev"), document).ok());
    auto lines = common::readTextLines(folder.file("l.lev"), 50).value();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[4], "GravitationX:412");
    EXPECT_EQ(lines[5], "GravitationY:504");
    EXPECT_EQ(lines[9], "enemy:0");
    EXPECT_EQ(common::gravitationPoint(8).x, common::gravitationPoint(1).x);
    EXPECT_EQ(common::gravitationPoint(5).x, 84);
}

TEST(LevelFile, BothReadersAgreeOnTheMap) {
    TempFolder folder;
    for (int map = 1; map <= common::kMapCount; ++map) {
        LevelRecord document = documentWithOneEnemy();
        document.map = static_cast<std::int16_t>(map);
        ASSERT_TRUE(WriteLevelFile(folder.file("l.lev"), document).ok());
        EXPECT_EQ(ReadLevelFileForEditing(folder.file("l.lev")).value().map, map);
        auto play = readLevelFileForPlay(folder.file("l.lev"));
        ASSERT_TRUE(play.ok()) << play.message();
        EXPECT_EQ(play.value().mapNumber, map);
        EXPECT_EQ(play.value().gravityX, common::gravitationPoint(map).x);
    }
}

TEST(LevelFile, BuiltInLevelOpensInTheEditorAndSavesAsUserLevel) {
    TempFolder folder;
    LevelRecord level = documentWithOneEnemy();
    level.enemies[0].x = 500.48f; // built-in levels hold play-field pixels
    ASSERT_TRUE(common::writeBuiltInLevelFile(folder.file("level1.lev"), level).ok());
    auto lines = common::readTextLines(folder.file("level1.lev"), 50).value();
    EXPECT_EQ(lines[0], common::kBuiltInLevelHeader);
    EXPECT_EQ(lines[11], "enemyx:500.48");

    auto opened = ReadLevelFileForEditing(folder.file("level1.lev"));
    ASSERT_TRUE(opened.ok());
    EXPECT_FALSE(opened.value().userLevelFile);
    EXPECT_EQ(opened.value().enemies[0].x, 391.0f);
    ASSERT_TRUE(WriteLevelFile(folder.file("user1.lev"), opened.value()).ok());
    EXPECT_EQ(common::readTextLines(folder.file("user1.lev"), 1).value()[0],
              common::kUserLevelHeader);
}

TEST(LevelFile, GameAcceptsAnyHeaderEditorOnlyTheTwo) {
    TempFolder folder;
    const auto file = folder.writeLines(
        "odd.lev",
        levelLines("some other header", "map:map4",
                   {"enemyindex:4", "enemyx:431,36", "enemyy:10", "enemyangle:270"}, "1"));
    auto play = readLevelFileForPlay(file);
    ASSERT_TRUE(play.ok()) << play.message();
    EXPECT_EQ(play.value().mapNumber, 4);
    EXPECT_DOUBLE_EQ(play.value().flyX, 500.0);
    EXPECT_EQ(play.value().bubblesTotal, 5);
    EXPECT_EQ(play.value().minutes, 1);
    EXPECT_EQ(play.value().seconds, 30);
    EXPECT_EQ(play.value().enemyKind[0], 4);
    EXPECT_DOUBLE_EQ(play.value().enemyX[0], 431.36); // written in a comma locale
    EXPECT_DOUBLE_EQ(play.value().enemyAngle[0], 270.0);

    auto editing = ReadLevelFileForEditing(file);
    ASSERT_FALSE(editing.ok());
    EXPECT_EQ(editing.error().kind, common::ErrorKind::wrongHeader);
}

TEST(LevelFile, KeysAreCutByPositionNotCompared) {
    TempFolder folder;
    // The game cuts after "map:map"; the editor takes the last character.
    auto lines = levelLines(common::kUserLevelHeader, "MAP-MAP2");
    lines[6] = "Bubbles=7";
    const auto file = folder.writeLines("keys.lev", lines);
    EXPECT_EQ(readLevelFileForPlay(file).value().mapNumber, 2);
    EXPECT_EQ(ReadLevelFileForEditing(file).value().map, 2);
    EXPECT_EQ(readLevelFileForPlay(file).value().bubblesTotal, 7);
    // One character longer shifts the value: "bubbles::7" cuts to ":7".
    lines[6] = "bubbles::7";
    EXPECT_FALSE(readLevelFileForPlay(folder.writeLines("keys.lev", lines)).ok());
}

TEST(LevelFile, BadLevelFilesAreErrorsNamingTheLine) {
    TempFolder folder;
    const auto expectError = [&](std::vector<std::string> lines, const std::string& line) {
        const auto file = folder.writeLines("bad.lev", lines);
        auto play = readLevelFileForPlay(file);
        auto edit = ReadLevelFileForEditing(file);
        ASSERT_FALSE(play.ok()) << line;
        ASSERT_FALSE(edit.ok()) << line;
        EXPECT_NE(play.message().find("bad.lev: line " + line + ":"), std::string::npos)
            << play.message();
        EXPECT_NE(edit.message().find("bad.lev: line " + line + ":"), std::string::npos)
            << edit.message();
    };
    const std::string header = common::kUserLevelHeader;
    const std::vector<std::string> enemy = {"enemyindex:1", "enemyx:10", "enemyy:10",
                                            "enemyangle:0"};
    auto good = levelLines(header, "map:map1", enemy, "1");
    ASSERT_TRUE(readLevelFileForPlay(folder.writeLines("good.lev", good)).ok());

    expectError({header, "map:map1", "FlyX:5"}, "4");              // ends early
    expectError(levelLines(header, "map:map1", enemy, "2"), "15"); // second enemy missing
    auto lines = good;
    lines[1] = "map:map9";
    expectError(lines, "2");
    lines = good;
    lines[2] = "FlyX:abc";
    expectError(lines, "3");
    lines = good;
    lines[3] = "FlyY:5000";
    expectError(lines, "4");
    lines = good;
    lines[6] = "bubbles:0";
    expectError(lines, "7");
    lines = good;
    lines[7] = "minutes:0";
    lines[8] = "seconds:0";
    expectError(lines, "9");
    lines = good;
    lines[9] = "enemy:11";
    expectError(lines, "10");
    lines = good;
    lines[10] = "enemyindex:5";
    expectError(lines, "11");
    lines = good;
    lines[13] = "enemyangle:99999999999999";
    expectError(lines, "14");

    const auto junk = folder.write("junk.lev", std::string("\x89PNG\r\n\x1A\n\0\0\0", 11));
    EXPECT_FALSE(readLevelFileForPlay(junk).ok());
    EXPECT_FALSE(ReadLevelFileForEditing(junk).ok());
    auto missing = readLevelFileForPlay(folder.file("none.lev"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, common::ErrorKind::missingFile);

    // Lines after the last enemy block do not matter.
    good.push_back("trailing text");
    EXPECT_TRUE(readLevelFileForPlay(folder.writeLines("more.lev", good)).ok());
}

TEST(LevelFile, WritersRefuseLevelsTheGameCannotPlay) {
    TempFolder folder;
    const auto expectRefused = [&](const LevelRecord& document, const std::string& line) {
        auto written = WriteLevelFile(folder.file("l.lev"), document);
        ASSERT_FALSE(written.ok()) << line;
        EXPECT_EQ(written.error().kind, common::ErrorKind::writeFailed);
        EXPECT_NE(written.message().find("line " + line + ":"), std::string::npos)
            << written.message();
        EXPECT_FALSE(std::filesystem::exists(folder.file("l.lev")));
    };
    LevelRecord document = documentWithOneEnemy();
    document.map = 0; // a new document has no map yet
    expectRefused(document, "2");
    document = documentWithOneEnemy();
    document.enemyCount = 11;
    expectRefused(document, "10");
    document = documentWithOneEnemy();
    document.enemies[0].kind = 0;
    expectRefused(document, "11");
    document = documentWithOneEnemy();
    document.flyY = 601; // 769.28 play-field pixels, below the map
    expectRefused(document, "4");
    document.flyY = 600; // exactly the bottom edge
    EXPECT_TRUE(WriteLevelFile(folder.file("l.lev"), document).ok());
}

TEST(LevelFile, PathsOfBuiltInAndUserLevels) {
    EXPECT_EQ(common::levelFilePath("/root", 3, false), "/root/levels/level3.lev");
    EXPECT_EQ(common::levelFilePath("/root", 12, true), "/root/levels/user/level12.lev");
}

} // namespace

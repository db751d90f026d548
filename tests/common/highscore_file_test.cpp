#include "common/highscore_file.hpp"
#include "common/text_lines.hpp"
#include "temp_folder.hpp"

#include <gtest/gtest.h>

namespace {

using common::HighscoreFile;
using common::insertScore;

HighscoreFile table(std::array<std::int16_t, 4> points) {
    HighscoreFile result;
    result.highscoreNames = {"Anna", "Bedřich", "Cyril", "Dana"};
    result.highscorePoints = points;
    return result;
}

TEST(HighscoreTable, EqualScoreGoesBelowAndTheLastDropsOut) {
    HighscoreFile scores = table({500, 400, 300, 200});
    EXPECT_EQ(insertScore(scores, 400), 3);
    EXPECT_EQ(scores.highscorePoints, (std::array<std::int16_t, 4>{500, 400, 400, 300}));
    EXPECT_EQ(scores.highscoreNames, (std::array<std::string, 4>{"Anna", "Bedřich", "", "Cyril"}));

    scores = table({500, 400, 300, 200});
    EXPECT_EQ(insertScore(scores, 200), 0);
    EXPECT_EQ(scores.highscorePoints, (std::array<std::int16_t, 4>{500, 400, 300, 200}));

    scores = table({500, 400, 300, 200});
    EXPECT_EQ(insertScore(scores, 501), 1);
    EXPECT_EQ(scores.highscoreNames, (std::array<std::string, 4>{"", "Anna", "Bedřich", "Cyril"}));
    scores = table({500, 400, 300, 200});
    EXPECT_EQ(insertScore(scores, 201), 4);
    EXPECT_EQ(scores.highscoreNames[3], "");
    EXPECT_EQ(scores.highscoreNames[2], "Cyril");
}

TEST(HighscoreTable, ScoresBeyondSixteenBitsAreKeptAtTheLargestValue) {
    HighscoreFile scores = table({500, 400, 300, 200});
    EXPECT_EQ(insertScore(scores, 70000), 1);
    EXPECT_EQ(scores.highscorePoints[0], 32767);
    EXPECT_EQ(insertScore(scores, 32768), 2); // held as 32767: an equal score goes below
}

TEST(HighscoreFile, NamingByModeLevelAndUserLevel) {
    EXPECT_EQ(common::highscoreFileName(1, 9, false), "highscore_1.fly");
    EXPECT_EQ(common::highscoreFileName(1, 20, true), "highscore_1.fly");
    EXPECT_EQ(common::highscoreFileName(2, 7, false), "highscore_2_7.fly");
    EXPECT_EQ(common::highscoreFileName(2, 18, true), "highscore_2_17.fly");
    EXPECT_EQ(common::highscoreFileName(3, 16, false), "highscore_3_16.fly");
    EXPECT_EQ(common::highscoreFilePath("/r", 3, 17, true), "/r/highscore/highscore_3_17.fly");
    EXPECT_EQ(common::defaultHighscoreFilePath("/r", 1, 1, false),
              "/r/highscore/default/highscore_1.fly");
}

TEST(HighscoreFile, RoundTripWithCzechAndEmptyNames) {
    TempFolder folder;
    HighscoreFile scores = table({900, 0, -5, 32767});
    scores.highscoreNames[0] = "Žofie Řeháková";
    scores.highscoreNames[1] = "";
    ASSERT_TRUE(common::writeHighscoreFile(folder.file("t.fly"), scores).ok());
    EXPECT_EQ(TempFolder::read(folder.file("t.fly")),
              "\x8E"
              "ofie \xD8"
              "eh\xE1kov\xE1\r\n900\r\n\r\n0\r\nCyril\r\n-5\r\nDana\r\n32767\r\n");
    auto back = common::readHighscoreFile(folder.file("t.fly"));
    ASSERT_TRUE(back.ok()) << back.message();
    EXPECT_EQ(back.value().highscoreNames, scores.highscoreNames);
    EXPECT_EQ(back.value().highscorePoints, scores.highscorePoints);
}

TEST(HighscoreFile, BadTablesAreErrors) {
    TempFolder folder;
    const std::vector<std::string> good = {"a", "4", "b", "3", "c", "2", "d", "1"};
    ASSERT_TRUE(common::readHighscoreFile(folder.writeLines("t.fly", good)).ok());

    auto shortTable = common::readHighscoreFile(
        folder.writeLines("t.fly", std::vector<std::string>(good.begin(), good.begin() + 7)));
    ASSERT_FALSE(shortTable.ok());
    EXPECT_NE(shortTable.message().find("t.fly: line 8"), std::string::npos);

    auto lines = good;
    lines[3] = "lots";
    auto notNumber = common::readHighscoreFile(folder.writeLines("t.fly", lines));
    ASSERT_FALSE(notNumber.ok());
    EXPECT_NE(notNumber.message().find("line 4"), std::string::npos);
    lines[3] = "40000";
    EXPECT_FALSE(common::readHighscoreFile(folder.writeLines("t.fly", lines)).ok());
    EXPECT_FALSE(common::readHighscoreFile(folder.file("missing.fly")).ok());
    EXPECT_FALSE(common::readHighscoreFile(folder.write("t.fly", std::string("a\0b\r\n", 5))).ok());
}

TEST(HighscoreFile, RestoringTheDefaultReplacesTheTableWhole) {
    TempFolder folder;
    const auto table = folder.writeLines("t.fly", {"Me", "900", "", "0", "", "0", "", "0"});
    const auto defaults =
        folder.writeLines("d.fly", {"Vosa", "300", "Komár", "200", "Vážka", "100", "Sršeň", "50"});
    ASSERT_TRUE(common::restoreDefaultHighscoreFile(defaults, table).ok());
    EXPECT_EQ(TempFolder::read(table), TempFolder::read(defaults));
    EXPECT_EQ(common::readHighscoreFile(table).value().highscoreNames[3], "Sršeň");

    const auto broken = folder.writeLines("b.fly", {"only", "1"});
    EXPECT_FALSE(common::restoreDefaultHighscoreFile(broken, table).ok());
    EXPECT_FALSE(common::restoreDefaultHighscoreFile(folder.file("none.fly"), table).ok());
    EXPECT_EQ(TempFolder::read(table), TempFolder::read(defaults));
}

TEST(HighscoreFile, ADamagedTableGivesUpTheRowsThatRead) {
    TempFolder folder;
    // Binary junk in the second name, a word for the fourth points.
    const auto path = folder.write("t.fly", "Ann\r\n900\r\nB\x01n\r\n800\r\nCid\r\n"
                                            "700\r\nDan\r\nsix\r\n");
    auto reading = common::readHighscoreRows(path);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.value().table.highscoreNames,
              (std::array<std::string, 4>{"Ann", "Cid", "", ""}));
    EXPECT_EQ(reading.value().table.highscorePoints, (std::array<std::int16_t, 4>{900, 700, 0, 0}));
    ASSERT_TRUE(reading.value().damage);
    EXPECT_EQ(reading.value().damage->line, 3u); // the first fault, in file order
    EXPECT_FALSE(common::readHighscoreFile(path).ok());

    const auto sound = folder.writeLines("s.fly", {"a", "4", "b", "3", "c", "2", "d", "1"});
    EXPECT_FALSE(common::readHighscoreRows(sound).value().damage);
    EXPECT_FALSE(common::readHighscoreRows(folder.file("missing.fly")).ok());
}

TEST(HighscoreFile, ADamagedTableIsSetAsideBeforeItIsReplaced) {
    TempFolder folder;
    const std::string damaged = "Ann\r\n900\r\nBen\r\nlots\r\n";
    const auto path = folder.write("t.fly", damaged);
    folder.write("t.fly.damaged", "older");
    ASSERT_TRUE(common::writeHighscoreFile(path, table({4, 3, 2, 1})).ok());
    EXPECT_EQ(TempFolder::read(folder.file("t.fly.damaged")), "older"); // never replaced
    EXPECT_EQ(TempFolder::read(folder.file("t.fly.damaged2")), damaged);
    EXPECT_TRUE(common::readHighscoreFile(path).ok());
    // A sound table is simply replaced; so is a missing one.
    ASSERT_TRUE(common::writeHighscoreFile(path, table({8, 7, 6, 5})).ok());
    EXPECT_FALSE(std::filesystem::exists(folder.file("t.fly.damaged3")));

    // Putting the default back keeps a damaged table aside too.
    folder.write("t.fly", damaged);
    const auto defaults = folder.writeLines("d.fly", {"a", "4", "b", "3", "c", "2", "d", "1"});
    ASSERT_TRUE(common::restoreDefaultHighscoreFile(defaults, path).ok());
    EXPECT_EQ(TempFolder::read(folder.file("t.fly.damaged3")), damaged);
    EXPECT_EQ(TempFolder::read(path), TempFolder::read(defaults));
}

TEST(HighscoreFile, NamesOfAnyLengthUpToTheLineBoundReadAndWriteBack) {
    TempFolder folder;
    // Longer than name entry types (a table from another tool): read whole, not as damage, and
    // kept by a new entry. Czech letters count as one character each, a byte in the file.
    const std::string forty = std::string(39, 'm') + "ř";
    const auto path = folder.writeLines("t.fly", {forty, "900", "b", "3", "c", "2", "d", "1"});
    auto read = common::readHighscoreRows(path);
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read.value().damage);
    HighscoreFile scores = read.value().table;
    EXPECT_EQ(scores.highscoreNames[0], forty);
    EXPECT_EQ(insertScore(scores, 5), 2);
    ASSERT_TRUE(common::writeHighscoreFile(path, scores).ok());
    EXPECT_EQ(common::readHighscoreFile(path).value().highscoreNames,
              (std::array<std::string, 4>{forty, "", "b", "c"}));
    EXPECT_FALSE(std::filesystem::exists(folder.file("t.fly.damaged")));

    // The bound is the reader's line length, far above any real name; beyond it a name is damage
    // and the writer refuses it.
    scores.highscoreNames[2] = std::string(common::kMaxLineBytes, 'm');
    ASSERT_TRUE(common::writeHighscoreFile(path, scores).ok());
    EXPECT_EQ(common::readHighscoreFile(path).value().highscoreNames, scores.highscoreNames);
    HighscoreFile tooLong = scores;
    tooLong.highscoreNames[2] += "m";
    const auto refused = common::writeHighscoreFile(path, tooLong);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find("line 5"), std::string::npos) << refused.message();
    EXPECT_EQ(common::readHighscoreFile(path).value().highscoreNames, scores.highscoreNames);
    folder.writeLines("long.fly", {"a", "4", tooLong.highscoreNames[2], "3", "c", "2", "d", "1"});
    const auto damaged = common::readHighscoreRows(folder.file("long.fly"));
    ASSERT_TRUE(damaged.value().damage);
    EXPECT_EQ(damaged.value().damage->line, 3u);
}

} // namespace

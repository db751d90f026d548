// Games that end in a high-score table: bubble match, time attack on the user level and the
// last scenario level, with the name typed on the on-screen keyboard.
#include "replay_harness.hpp"

#include "common/text_lines.hpp"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// From the first logo-free menu frame: "new game", the mode's row, the level panel.
std::string openLevelPanel(int modeRow) {
    std::string script = "step 5\ntap enter\nstep 40\n";
    for (int i = 1; i < modeRow; ++i)
        script += "tap down\nstep 1\n";
    return script + "tap enter\nstep 40\n";
}

// Level intro, then Space into play.
const char* const kIntoPlay = "step 80\ntap space\nstep 80\n";
// Key 1 is "A", key 2 "B"; Up from "A" reaches the space key, two to the right confirm.
const char* const kTypeABAndConfirm = "tap enter\nstep 1\ntap right\nstep 1\ntap enter\nstep 1\n"
                                      "tap up\nstep 1\ntap right\nstep 1\ntap right\nstep 1\n"
                                      "tap enter\nstep 80\n";

class HighscoreFlow : public ReplayTest {
  protected:
    void SetUp() override {
        tree.setOptionLine(10, "GamePosition:50");
        tree.setOptionLine(3, "GameLanguage:en");
        placeFlyBetweenOpenSquares();
    }
    fs::path table(const std::string& name) const { return tree.root() / "highscore" / name; }
    std::vector<std::string> tableLines(const std::string& name) const {
        auto lines = common::readTextLines(table(name), 10);
        EXPECT_TRUE(lines) << lines.message();
        return lines ? lines.value() : std::vector<std::string>{};
    }
};

TEST_F(HighscoreFlow, ABubbleMatchEndsInNameEntryEvenWithoutItsTable) {
    level.bubbles = 5;
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(4, level);
    // The table of level 4 is gone: it counts as empty and is written whole.
    fs::remove(table("highscore_2_4.fly"));
    std::string script = openLevelPanel(2) + "tap down\nstep 1\n";
    for (int i = 1; i < 4; ++i)
        script += "tap right\nstep 1\n";
    script += "tap down\nstep 1\ntap enter\n" + std::string(kIntoPlay) + "print\n" +
              "down up\nstep 30\nup up\nstep 300\nprint\n" + kTypeABAndConfirm + "print\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    const PrintedState& playing = run.prints[0];
    EXPECT_EQ(playing.at("screenState"), "200");
    EXPECT_EQ(playing.at("gameMode"), "2");
    EXPECT_EQ(playing.at("levelNumber"), "4");
    EXPECT_EQ(playing.at("lives"), "0");
    const PrintedState& entry = run.prints[1];
    EXPECT_EQ(entry.at("screenState"), "501");
    EXPECT_EQ(entry.at("newPlace"), "1");
    EXPECT_EQ(tableLines("highscore_2_4.fly"),
              (std::vector<std::string>{"AB", "20", "", "0", "", "0", "", "0"}));
    const PrintedState& menu = run.prints[2];
    EXPECT_EQ(menu.at("screenState"), "50");
    EXPECT_EQ(menu.at("lives"), "3");
    EXPECT_EQ(menu.at("levelNumber"), "1");
    EXPECT_EQ(menu.at("displayedScore"), "0");
    // The marker stays where it was for the next entry.
    EXPECT_EQ(menu.at("selectedKey"), "81");
}

TEST_F(HighscoreFlow, TimeAttackOnTheUserLevelUsesTableSeventeen) {
    level.bubbles = 1;
    tree.writeLevel(1, level);
    fs::copy_file(tree.root() / "levels" / "level1.lev",
                  tree.root() / "levels" / "user" / "level1.lev");
    fs::remove(tree.root() / "levels" / "level1.lev");
    tree.setOptionLine(9, "UserLevels:1");
    ASSERT_TRUE(common::writeTextLines(table("highscore_3_17.fly"),
                                       {"Ann", "900", "Ben", "30", "Cid", "20", "Dan", "10"}));
    const std::string script = openLevelPanel(3) +
                               "tap right\nstep 1\ntap down\nstep 1\ntap down\nstep 1\n"
                               "tap enter\n" +
                               kIntoPlay + "print\ndown up\nstep 30\nup up\nstep 120\nprint\n" +
                               kTypeABAndConfirm;
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("gameMode"), "3");
    EXPECT_EQ(run.prints[0].at("levelNumber"), "17");
    EXPECT_EQ(run.prints[0].at("userLevel"), "1");
    EXPECT_EQ(run.prints[1].at("screenState"), "501");
    EXPECT_EQ(run.prints[1].at("newPlace"), "2");
    const auto lines = tableLines("highscore_3_17.fly");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2], "AB");
    EXPECT_EQ(lines[3], run.prints[1].at("displayedScore"));
    EXPECT_EQ(lines[4], "Ben");
    EXPECT_EQ(lines[6], "Cid");
}

TEST_F(HighscoreFlow, WinningTheLastScenarioLevelEntersTheScenarioTable) {
    tree.setOptionLine(7, "Save:Yes");
    level.bubbles = 1;
    tree.writeLevel(16, level);
    ASSERT_TRUE(
        common::writeTextLines(tree.root() / "save" / "save.txt", {"16", "100", "1", "700"}));
    ASSERT_TRUE(common::writeTextLines(table("highscore_1.fly"),
                                       {"Ann", "300", "Ben", "200", "Cid", "100", "Dan", "50"}));
    const std::string script = std::string("step 5\ntap down\nstep 40\ntap enter\n") + kIntoPlay +
                               "down up\nstep 30\nup up\nstep 120\nprint\n" +
                               "tap enter\nstep 80\nprint\n" + kTypeABAndConfirm + "print\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "300");
    EXPECT_EQ(run.prints[0].at("levelNumber"), "16");
    EXPECT_EQ(run.prints[1].at("screenState"), "501");
    EXPECT_EQ(run.prints[1].at("newPlace"), "1");
    // The run behind the table starts afresh.
    EXPECT_EQ(run.prints[1].at("levelNumber"), "1");
    EXPECT_EQ(run.prints[1].at("lives"), "3");
    const auto lines = tableLines("highscore_1.fly");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "AB");
    EXPECT_GT(std::stoi(lines[1]), 700);
    EXPECT_EQ(lines[2], "Ann");
    EXPECT_EQ(run.prints[2].at("screenState"), "50");
}

TEST_F(HighscoreFlow, AScoreBelowTheTableShowsItWithoutNameEntry) {
    level.bubbles = 5;
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(1, level);
    ASSERT_TRUE(common::writeTextLines(table("highscore_2_1.fly"),
                                       {"Ann", "900", "Ben", "800", "Cid", "700", "Dan", "600"}));
    const std::string script = openLevelPanel(2) + "tap down\nstep 1\ntap down\nstep 1\n" +
                               "tap enter\n" + kIntoPlay + "step 300\nprint\n" +
                               "tap enter\nstep 80\nprint\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "500");
    EXPECT_EQ(run.prints[0].at("newPlace"), "0");
    EXPECT_EQ(run.prints[1].at("screenState"), "50");
    EXPECT_EQ(tableLines("highscore_2_1.fly")[7], "600");
}

} // namespace

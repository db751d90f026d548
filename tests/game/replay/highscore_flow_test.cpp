// Games that end in a high-score table: bubble match, time attack on the user level and the
// last scenario level, with the name typed on the on-screen keyboard.
#include "replay_harness.hpp"

#include "common/highscore_file.hpp"
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
    // User level 1 holds one bubble; built-in level 1 seven, so the two cannot be taken for
    // each other.
    void useUserLevelOne() {
        level.bubbles = 1;
        tree.writeLevel(1, level);
        fs::copy_file(tree.root() / "levels" / "level1.lev",
                      tree.root() / "levels" / "user" / "level1.lev");
        level.bubbles = 7;
        tree.writeLevel(1, level);
        tree.setOptionLine(9, "UserLevels:1");
    }
    static void expectBuiltInLevelOne(const PrintedState& menu) {
        EXPECT_EQ(menu.at("screenState"), "50");
        EXPECT_EQ(menu.at("levelNumber"), "1");
        EXPECT_EQ(menu.at("userLevel"), "0");
        EXPECT_EQ(menu.at("bubblesTotal"), "7");
        EXPECT_EQ(menu.at("notice"), "");
    }
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

// Time attack on user level 1 from the menu: its level panel set to the user levels.
const std::string kStartUserTimeAttack =
    openLevelPanel(3) + "tap right\nstep 1\ntap down\nstep 1\ntap down\nstep 1\ntap enter\n";

TEST_F(HighscoreFlow, TimeAttackOnTheUserLevelUsesTableSeventeen) {
    useUserLevelOne();
    ASSERT_TRUE(common::writeTextLines(table("highscore_3_17.fly"),
                                       {"Ann", "900", "Ben", "30", "Cid", "20", "Dan", "10"}));
    const std::string script = kStartUserTimeAttack + kIntoPlay +
                               "print\ndown up\nstep 30\nup up\nstep 120\nprint\n" +
                               kTypeABAndConfirm + "print\n";
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 3u) << run.output;
    EXPECT_EQ(run.prints[0].at("gameMode"), "3");
    EXPECT_EQ(run.prints[0].at("levelNumber"), "17");
    EXPECT_EQ(run.prints[0].at("userLevel"), "1");
    EXPECT_EQ(run.prints[0].at("bubblesTotal"), "1");
    EXPECT_EQ(run.prints[1].at("screenState"), "501");
    EXPECT_EQ(run.prints[1].at("newPlace"), "2");
    const auto lines = tableLines("highscore_3_17.fly");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2], "AB");
    EXPECT_EQ(lines[3], run.prints[1].at("displayedScore"));
    EXPECT_EQ(lines[4], "Ben");
    EXPECT_EQ(lines[6], "Cid");
    // The menu holds built-in level 1 again, read without a word.
    expectBuiltInLevelOne(run.prints[2]);
}

TEST_F(HighscoreFlow, LeavingTheUserLevelFromThePausePanelReloadsBuiltInLevelOne) {
    useUserLevelOne();
    const ReplayRun run = play(kStartUserTimeAttack + kIntoPlay + "print\n" +
                               "tap esc\nstep 1\ntap up\nstep 1\ntap enter\nstep 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("userLevel"), "1");
    expectBuiltInLevelOne(run.prints[1]);
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

// A bubble match on built-in level 1 lost on time with one bubble taken (20 points).
std::string bubbleMatchOnLevelOne() {
    return openLevelPanel(2) + "tap down\nstep 1\ntap down\nstep 1\ntap enter\n" + kIntoPlay +
           "down up\nstep 30\nup up\nstep 300\nprint\n";
}

TEST_F(HighscoreFlow, ADamagedTableKeepsItsReadableRowsAndIsSetAside) {
    level.bubbles = 5;
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(1, level);
    const std::vector<std::string> damaged = {"Ann", "900", "Ben", "8x", "Cid", "700", "Dan", "60"};
    ASSERT_TRUE(common::writeTextLines(table("highscore_2_1.fly"), damaged));
    ASSERT_TRUE(common::writeTextLines(table("highscore_2_1.fly.damaged"), {"an older one"}));
    const ReplayRun run =
        play(bubbleMatchOnLevelOne() + kTypeABAndConfirm, {"highscore_2_1.fly is damaged"});
    ASSERT_EQ(run.prints.size(), 1u) << run.output;
    EXPECT_EQ(run.prints[0].at("newPlace"), "4");
    // Told once, at line 4, where Ben's points are broken.
    ASSERT_EQ(run.notices.size(), 1u);
    EXPECT_NE(run.notices[0].find("line 4"), std::string::npos) << run.notices[0];
    EXPECT_EQ(tableLines("highscore_2_1.fly"),
              (std::vector<std::string>{"Ann", "900", "Cid", "700", "Dan", "60", "AB", "20"}));
    EXPECT_EQ(tableLines("highscore_2_1.fly.damaged2"), damaged);
    EXPECT_EQ(common::readTextLines(table("highscore_2_1.fly.damaged"), 10).value(),
              std::vector<std::string>{"an older one"});
}

TEST_F(HighscoreFlow, TheLongestNameIsTypedWrittenReadBackAndShown) {
    level.bubbles = 5;
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(1, level);
    fs::remove(table("highscore_2_1.fly"));
    // "m", the widest glyph the keyboard types (key 39), two more times than a name holds,
    // then down to the space key and right to the confirming key.
    std::string typing = "tap down\nstep 1\n";
    for (int i = 0; i < 12; ++i)
        typing += "tap right\nstep 1\n";
    for (std::size_t i = 0; i < common::kMaxHighscoreNameLength + 2; ++i)
        typing += "tap enter\nstep 1\n";
    typing += "tap down\nstep 1\ntap down\nstep 1\ntap right\nstep 1\ntap right\nstep 1\n"
              "tap enter\nstep 80\n";
    const ReplayRun run = play(bubbleMatchOnLevelOne() + typing);
    ASSERT_EQ(run.prints.size(), 1u) << run.output;
    const std::string longest(common::kMaxHighscoreNameLength, 'm');
    const auto read = common::readHighscoreFile(table("highscore_2_1.fly"));
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(read.value().highscoreNames[0], longest);

    // The table from the menu's viewer: bubble match, level 1, show. The place line reaches far
    // to the right and still ends inside the screen, as a short name's line does.
    const std::string view = "step 5\ntap down\nstep 40\ntap down\nstep 40\ntap enter\nstep 40\n"
                             "tap right\nstep 1\ntap down\nstep 1\ntap down\nstep 1\n"
                             "tap enter\nstep 120\nprint\nshot ";
    const fs::path longShot = tree.root() / "longest.png";
    const ReplayRun shown = play(view + "longest.png\n");
    ASSERT_EQ(shown.prints.size(), 1u) << shown.output;
    EXPECT_EQ(shown.prints[0].at("screenState"), "500");
    ASSERT_TRUE(
        common::writeTextLines(table("highscore_2_1.fly"), {"m", "20", "", "0", "", "0", "", "0"}));
    const fs::path shortShot = tree.root() / "short.png";
    play(view + "short.png\n");
    const int top = 210; // place 1
    EXPECT_GT(differingShare(longShot, shortShot, {800, top, 1004, top + 40}), 0.0);
    EXPECT_EQ(differingShare(longShot, shortShot, {1004, top, 1024, top + 40}), 0.0);
}

TEST_F(HighscoreFlow, ALongerNameFromElsewhereIsKeptAndShownCut) {
    level.bubbles = 5;
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(1, level);
    // Place 1 holds a name longer than name entry types (a table from another tool).
    const std::string longName(40, 'm');
    auto entered = [&](const std::string& first, const fs::path& shot) {
        EXPECT_TRUE(common::writeTextLines(table("highscore_2_1.fly"),
                                           {first, "900", "Ben", "10", "", "0", "", "0"}));
        const ReplayRun run = play(bubbleMatchOnLevelOne() + "shot " + shot.filename().string() +
                                   "\n" + kTypeABAndConfirm);
        EXPECT_EQ(run.prints.size(), 1u) << run.output;
        if (!run.prints.empty()) {
            EXPECT_EQ(run.prints[0].at("newPlace"), "2");
        }
    };
    const fs::path longShot = tree.root() / "long.png";
    entered(longName, longShot);
    // Read as it stands (no damage told, nothing set aside) and kept by the new entry.
    EXPECT_EQ(tableLines("highscore_2_1.fly"),
              (std::vector<std::string>{longName, "900", "AB", "20", "Ben", "10", "", "0"}));
    EXPECT_FALSE(fs::exists(table("highscore_2_1.fly.damaged")));

    // On the screen the line reaches to its end and no further, as a short name's stops short.
    const fs::path shortShot = tree.root() / "short.png";
    entered("m", shortShot);
    const int top = 210; // place 1
    EXPECT_GT(differingShare(longShot, shortShot, {900, top, 1004, top + 40}), 0.0);
    EXPECT_EQ(differingShare(longShot, shortShot, {1004, top, 1024, top + 40}), 0.0);
}

} // namespace

// Every new high-score row keeps the run that made it beside the table; the run replays to the
// same row, and the runs move with their rows.
#include "replay_harness.hpp"

#include "common/highscore_runs.hpp"
#include "common/text_lines.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// From the first menu frame: a bubble match on level 4, lost on time; `flight` takes bubbles.
// The level panel keeps the level last played: `rights` moves it on from there.
std::string bubbleMatchOnLevelFour(const std::string& flight, int rights = 3) {
    std::string script = "step 5\ntap enter\nstep 40\ntap down\nstep 1\ntap enter\nstep 40\n"
                         "tap down\nstep 1\n";
    for (int i = 0; i < rights; ++i)
        script += "tap right\nstep 1\n";
    return script + "tap down\nstep 1\ntap enter\nstep 80\ntap space\nstep 80\n" + flight +
           "step 300\nprint\n";
}
// Name entry: "A", then the confirm key (Up from "A" reaches the space key, two to the right).
const char* const kTypeAAndConfirm = "tap enter\nstep 1\ntap up\nstep 1\ntap right\nstep 1\n"
                                     "tap right\nstep 1\ntap enter\nstep 80\n";
// One bubble above the fly (20 points); then the one below as well (40 points).
const char* const kOneBubble = "down up\nstep 30\nup up\n";
const char* const kTwoBubbles = "down up\nstep 30\nup up\ndown down\nstep 60\nup down\n";

// Channel handles carry a tag that counts the audio systems the process made before, so a run
// replayed in the process that recorded it differs there alone (a program makes its own first).
std::string withoutChannelHandles(const std::string& text) {
    std::istringstream lines(text);
    std::string out;
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("expect ", 0) != 0 || line.find("Channel ") == std::string::npos)
            out += line + "\n";
    return out;
}

const std::vector<std::string> kTable = {"Ann", "900", "Ben", "10", "Cid", "5", "Dan", "1"};

class HighscoreRuns : public ReplayTest {
  protected:
    void SetUp() override {
        tree.setOptionLine(10, "GamePosition:50");
        tree.setOptionLine(3, "GameLanguage:en");
        placeFlyBetweenOpenSquares();
        level.bubbles = 5;
        level.minutes = 0;
        level.seconds = 2;
        tree.writeLevel(4, level);
        ASSERT_TRUE(common::writeTextLines(table(tree), kTable));
    }
    static fs::path table(const ReplayTree& t) { return t.root() / "highscore/highscore_2_4.fly"; }
    static fs::path run(const ReplayTree& t, int place) {
        return t.root() / "highscore/runs" / ("highscore_2_4-" + std::to_string(place) + ".replay");
    }
    static std::vector<std::string> tableLines(const ReplayTree& t) {
        auto lines = common::readTextLines(table(t), 10);
        return lines ? lines.value() : std::vector<std::string>{};
    }
};

TEST_F(HighscoreRuns, ANewRowKeepsItsRunWhichReplaysToTheSameRow) {
    const ReplayRun first = play(bubbleMatchOnLevelFour(kOneBubble) + kTypeAAndConfirm + "print\n");
    ASSERT_EQ(first.prints.size(), 2u) << first.output;
    EXPECT_EQ(first.prints[0].at("newPlace"), "2");
    EXPECT_EQ(first.prints[0].at("displayedScore"), "20");
    EXPECT_EQ(tableLines(tree),
              (std::vector<std::string>{"Ann", "900", "A", "20", "Ben", "10", "Cid", "5"}));
    // Only the new row has a run; the table file is as it always was.
    const std::string runText = readFile(run(tree, 2));
    ASSERT_FALSE(runText.empty());
    EXPECT_EQ(runText.substr(0, runText.find('\n') + 1),
              "# high score run: 20 points by A in highscore_2_4.fly\n");
    for (int place : {1, 3, 4})
        EXPECT_FALSE(fs::exists(run(tree, place))) << place;
    EXPECT_EQ(common::checkHighscoreRun(table(tree), 2, {"A", 20}).kind,
              common::HighscoreRunKind::watchable);

    // Played on another tree as it was before the game, the run ends in the same row and state,
    // and gives that row the same run.
    ReplayTree other;
    other.setOptionLine(10, "GamePosition:50");
    other.setOptionLine(3, "GameLanguage:en");
    other.writeMask(
        5, {{600, 200, 610, 210, kOpen}, {600, 410, 610, 420, kOpen}, {640, 0, 650, 768, kWall}});
    other.writeLevel(4, level);
    ASSERT_TRUE(common::writeTextLines(table(other), kTable));
    const ReplayRun replayed = other.run(withoutChannelHandles(runText) + "print\n");
    EXPECT_EQ(replayed.exitCode, 0) << replayed.errors;
    EXPECT_NE(replayed.output.find("replay matches the recording"), std::string::npos);
    ASSERT_EQ(replayed.prints.size(), 1u) << replayed.output;
    EXPECT_EQ(replayed.prints[0].at("displayedScore"), "20");
    EXPECT_EQ(replayed.prints[0].at("newPlace"), "2");
    EXPECT_EQ(tableLines(other), tableLines(tree));
    // Its frames, that is: a replayed clock only moves with the recording's frame lines.
    const auto frames = [](const std::string& text) {
        return text.substr(0, text.find("# the state as the run ended"));
    };
    EXPECT_EQ(frames(readFile(run(other, 2))), frames(runText));

    // A better score in a later session takes place 2: A's run moves down with its row.
    const ReplayRun second =
        play(bubbleMatchOnLevelFour(kTwoBubbles) + kTypeAAndConfirm + "print\n");
    ASSERT_EQ(second.prints.size(), 2u) << second.output;
    EXPECT_EQ(second.prints[0].at("displayedScore"), "40");
    EXPECT_EQ(tableLines(tree),
              (std::vector<std::string>{"Ann", "900", "A", "40", "A", "20", "Ben", "10"}));
    EXPECT_EQ(readFile(run(tree, 3)), runText);
    EXPECT_EQ(common::checkHighscoreRun(table(tree), 2, {"A", 40}).kind,
              common::HighscoreRunKind::watchable);
    EXPECT_FALSE(fs::exists(run(tree, 4)));
}

TEST_F(HighscoreRuns, AScoreOutsideTheTableKeepsNoRun) {
    ASSERT_TRUE(common::writeTextLines(table(tree),
                                       {"Ann", "900", "Ben", "800", "Cid", "700", "Dan", "600"}));
    const ReplayRun run = play(bubbleMatchOnLevelFour(kOneBubble) + "tap enter\nstep 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("newPlace"), "0");
    EXPECT_FALSE(fs::exists(tree.root() / "highscore/runs"));
}

TEST_F(HighscoreRuns, ARunThatCannotBeKeptNeverStopsTheGame) {
    // Something else holds the name of the runs' folder.
    ASSERT_TRUE(common::writeTextLines(tree.root() / "highscore/runs", {"not a folder"}));
    const ReplayRun run = play(bubbleMatchOnLevelFour(kOneBubble) + kTypeAAndConfirm + "print\n",
                               {"the run behind the new high score was not kept"});
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[1].at("screenState"), "50");
    EXPECT_EQ(tableLines(tree)[2], "A");
    EXPECT_EQ(run.notices.size(), 1u);
}

TEST_F(HighscoreRuns, TheSecondGameOfASessionKeepsARunThatReplaysToItsRow) {
    // Back in the menu the level panel holds level 4 and the name keyboard its confirm key:
    // Enter enters the second game's row without a name.
    const ReplayRun played =
        play(bubbleMatchOnLevelFour(kOneBubble) + kTypeAAndConfirm + "step 80\n" +
             bubbleMatchOnLevelFour(kTwoBubbles, 0) + "tap enter\nstep 160\nprint\n");
    ASSERT_EQ(played.prints.size(), 3u) << played.output;
    EXPECT_EQ(played.prints[1].at("displayedScore"), "40");
    EXPECT_EQ(played.prints[1].at("newPlace"), "2");
    EXPECT_EQ(played.prints[2].at("screenState"), "50");
    EXPECT_EQ(tableLines(tree),
              (std::vector<std::string>{"Ann", "900", "", "40", "A", "20", "Ben", "10"}));
    EXPECT_EQ(common::checkHighscoreRun(table(tree), 2, {"", 40}).kind,
              common::HighscoreRunKind::watchable);
    EXPECT_EQ(common::checkHighscoreRun(table(tree), 3, {"A", 20}).kind,
              common::HighscoreRunKind::watchable);

    ReplayTree other;
    other.setOptionLine(10, "GamePosition:50");
    other.setOptionLine(3, "GameLanguage:en");
    other.writeMask(
        5, {{600, 200, 610, 210, kOpen}, {600, 410, 610, 420, kOpen}, {640, 0, 650, 768, kWall}});
    other.writeLevel(4, level);
    ASSERT_TRUE(common::writeTextLines(table(other), kTable));
    const ReplayRun replayed = other.run(withoutChannelHandles(readFile(run(tree, 2))) + "print\n");
    EXPECT_EQ(replayed.exitCode, 0) << replayed.errors;
    ASSERT_EQ(replayed.prints.size(), 1u) << replayed.output;
    EXPECT_EQ(replayed.prints[0].at("displayedScore"), "40");
    EXPECT_EQ(replayed.prints[0].at("newPlace"), "2");
    EXPECT_EQ(tableLines(other), tableLines(tree));
}

} // namespace

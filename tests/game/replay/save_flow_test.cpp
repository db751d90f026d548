// Saving a scenario run from the end-of-level screens and continuing it from the menu.
#include "replay_harness.hpp"

#include "common/text_lines.hpp"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Enter on "continue", the second top item.
const char* const kContinue = "step 5\ntap down\nstep 40\ntap enter\nstep 80\n";

class SaveFlow : public ReplayTest {
  protected:
    void SetUp() override {
        tree.setOptionLine(7, "Save:Yes");
        placeFlyBetweenOpenSquares();
        level.bubbles = 1;
    }
    fs::path saveFile() const { return tree.root() / "save" / "save.txt"; }
    void writeSave(const std::vector<std::string>& lines) {
        fs::create_directories(saveFile().parent_path());
        ASSERT_TRUE(common::writeTextLines(saveFile(), lines));
    }
    std::vector<std::string> savedLines() const {
        auto lines = common::readTextLines(saveFile(), 10);
        EXPECT_TRUE(lines) << lines.message();
        return lines ? lines.value() : std::vector<std::string>{};
    }
};

TEST_F(SaveFlow, SavingAfterALossWritesTheSameLevelWithFullEnergy) {
    tree.setOptionLine(10, "GamePosition:50");
    level.minutes = 0;
    level.seconds = 2;
    tree.writeLevel(5, level);
    writeSave({"5", "60", "2", "1234"});
    // Continue: level intro of level 5, play, the clock runs out; save, then back.
    const std::string script = std::string(kContinue) +
                               "print\ntap space\nstep 80\nprint\nstep 300\nprint\n"
                               "tap down\nstep 1\ntap enter\nstep 80\nprint\n"
                               "tap enter\nstep 80\nprint\n";
    writeSave({"5", "60", "2", "1234"});
    const ReplayRun run = play(script);
    ASSERT_EQ(run.prints.size(), 5u) << run.output;
    const PrintedState& intro = run.prints[0];
    EXPECT_EQ(intro.at("screenState"), "100");
    EXPECT_EQ(intro.at("levelNumber"), "5");
    EXPECT_EQ(intro.at("lives"), "2");
    EXPECT_EQ(intro.at("energy"), "60");
    EXPECT_EQ(intro.at("displayedScore"), "1234");
    EXPECT_EQ(run.prints[1].at("screenState"), "200");
    EXPECT_EQ(run.prints[2].at("endScreenKind"), "1");
    EXPECT_EQ(run.prints[3].at("endScreenKind"), "2");
    EXPECT_EQ(savedLines(), (std::vector<std::string>{"5", "100", "2", "1234"}));
    // Back on the lose screen, its choice kept.
    EXPECT_EQ(run.prints[4].at("endScreenKind"), "1");
    EXPECT_EQ(run.prints[4].at("screenState"), "300");
}

TEST_F(SaveFlow, SavingAfterAWinWritesTheNextLevel) {
    tree.writeLevel(1, level);
    const ReplayRun run = play("down up\nstep 30\nup up\nstep 120\nprint\n"
                               "tap down\nstep 1\ntap enter\nstep 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[1].at("endScreenKind"), "2");
    const auto lines = savedLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "2");
    EXPECT_EQ(lines[1], run.prints[0].at("energy"));
    EXPECT_EQ(lines[2], "3");
    EXPECT_EQ(lines[3], run.prints[0].at("displayedScore"));
}

TEST_F(SaveFlow, TheProgressSavedScreenSpeaksTheGamesLanguage) {
    tree.writeLevel(1, level);
    // A won level saved; the screen's choice picture is the only thing the language changes.
    auto savedScreen = [this](const std::string& language) {
        tree.setOptionLine(3, "GameLanguage:" + language);
        const fs::path shot = tree.root() / (language + ".png");
        const ReplayRun run = play("down up\nstep 30\nup up\nstep 120\n"
                                   "tap down\nstep 1\ntap enter\nstep 80\nprint\nshot " +
                                   language + ".png\n");
        EXPECT_EQ(run.prints.at(0).at("endScreenKind"), "2");
        return shot;
    };
    const fs::path czech = savedScreen("cz");
    const fs::path english = savedScreen("en");
    EXPECT_GT(differingShare(czech, english, {50, 538, 202, 718}), 0.05);
    EXPECT_EQ(differingShare(czech, english, {300, 0, 1024, 768}), 0.0);
}

TEST_F(SaveFlow, ContinueDoesNothingWithoutSavingOrWithoutAReadableSave) {
    tree.setOptionLine(10, "GamePosition:50");
    tree.writeLevel(5, level);
    tree.setOptionLine(7, "Save:No");
    writeSave({"5", "60", "2", "1234"});
    EXPECT_EQ(play(std::string(kContinue) + "print\n").prints.at(0).at("screenState"), "50");

    tree.setOptionLine(7, "Save:Yes");
    fs::remove(saveFile());
    EXPECT_EQ(play(std::string(kContinue) + "print\n", {"save/save.txt: file not found"})
                  .prints.at(0)
                  .at("screenState"),
              "50");

    writeSave({"5", "sixty", "2", "1234"});
    const ReplayRun broken = play(std::string(kContinue) + "print\n", {"save/save.txt: line 2"});
    EXPECT_EQ(broken.prints.at(0).at("screenState"), "50");
    EXPECT_EQ(broken.prints.at(0).at("levelNumber"), "1");
}

TEST_F(SaveFlow, ASaveAfterTheLastLevelOpensTheScenarioTable) {
    tree.setOptionLine(10, "GamePosition:50");
    ASSERT_TRUE(
        common::writeTextLines(tree.root() / "highscore" / "highscore_1.fly",
                               {"Ann", "3000", "Ben", "2000", "Cid", "1000", "Dan", "500"}));
    writeSave({"17", "100", "1", "2500"});
    // Type "A", then Up to the space key, Right to delete and Right to confirm.
    const ReplayRun run = play(std::string(kContinue) +
                               "print\ntap enter\nstep 2\ntap up\nstep 1\ntap right\nstep 1\n"
                               "tap right\nstep 1\ntap enter\nstep 80\nprint\n");
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    EXPECT_EQ(run.prints[0].at("screenState"), "501");
    EXPECT_EQ(run.prints[0].at("newPlace"), "2");
    EXPECT_EQ(run.prints[1].at("screenState"), "50");
    auto table = common::readTextLines(tree.root() / "highscore" / "highscore_1.fly", 10);
    ASSERT_TRUE(table) << table.message();
    EXPECT_EQ(table.value(),
              (std::vector<std::string>{"Ann", "3000", "A", "2500", "Ben", "2000", "Cid", "1000"}));
}

TEST_F(SaveFlow, AnUnwritableSaveFolderIsReportedAndTheRunGoesOn) {
    tree.setOptionLine(3, "GameLanguage:en");
    tree.writeLevel(1, level);
    tree.writeLevel(2, level);
    // A file where the folder should be: nothing can be written below it.
    fs::remove_all(tree.root() / "save");
    ASSERT_TRUE(common::writeTextLines(tree.root() / "save", {"not a folder"}));
    const ReplayRun run = play("down up\nstep 30\nup up\nstep 120\n"
                               "tap down\nstep 1\ntap enter\nstep 80\nprint\n"
                               "tap up\nstep 1\ntap enter\nstep 80\nprint\n",
                               {"The progress could not be saved"});
    ASSERT_EQ(run.prints.size(), 2u) << run.output;
    // The win screen stays, with the message; continuing still works.
    EXPECT_EQ(run.prints[0].at("screenState"), "300");
    EXPECT_EQ(run.prints[0].at("endScreenKind"), "3");
    EXPECT_NE(run.prints[0].at("notice").find("could not be saved"), std::string::npos)
        << run.prints[0].at("notice");
    EXPECT_EQ(run.prints[1].at("screenState"), "200");
    EXPECT_EQ(run.prints[1].at("levelNumber"), "2");
}

} // namespace

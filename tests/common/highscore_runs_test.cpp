#include "common/highscore_runs.hpp"

#include "temp_folder.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string kRun = "seed 1\nframe 16 16\nexpect screenState 501\n";

class HighscoreRuns : public ::testing::Test {
  protected:
    fs::path table() const { return folder.path() / "highscore" / "highscore_2_4.fly"; }
    fs::path run(int place) const { return common::highscoreRunPath(table(), place); }
    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // Enters rows 1..4 as "A".."D" with runs saying which they are.
    void fillFourRows() {
        for (int place = 1; place <= 4; ++place) {
            const std::string name(1, static_cast<char>('A' + place - 1));
            ASSERT_TRUE(common::enterHighscoreRun(table(), place, {name, 10}, name + "\n" + kRun));
        }
    }
    common::HighscoreRunKind kind(int place, const common::HighscoreRow& row) const {
        return common::checkHighscoreRun(table(), place, row).kind;
    }

    TempFolder folder;
};

TEST_F(HighscoreRuns, ANewRowShiftsTheRunsBelowAndTheLastDropsOut) {
    EXPECT_EQ(run(2), folder.path() / "highscore" / "runs" / "highscore_2_4-2.replay");
    fillFourRows();
    ASSERT_TRUE(common::enterHighscoreRun(table(), 2, {"New", 99}, kRun));
    EXPECT_EQ(read(run(2)), "# high score run: 99 points by New in highscore_2_4.fly\n" + kRun);
    EXPECT_NE(read(run(1)).find("\nA\n"), std::string::npos);
    EXPECT_NE(read(run(3)).find("\nB\n"), std::string::npos);
    EXPECT_NE(read(run(4)).find("\nC\n"), std::string::npos);

    // A row without a recording leaves its place empty; a hole moves down as a hole.
    ASSERT_TRUE(common::enterHighscoreRun(table(), 1, {"Bare", 5}, ""));
    EXPECT_FALSE(fs::exists(run(1)));
    EXPECT_NE(read(run(2)).find("\nA\n"), std::string::npos);
    ASSERT_TRUE(common::enterHighscoreRun(table(), 1, {"Top", 7}, kRun));
    EXPECT_FALSE(fs::exists(run(2)));
    EXPECT_NE(read(run(3)).find("\nA\n"), std::string::npos);

    ASSERT_TRUE(common::removeHighscoreRuns(table()));
    for (int place = 1; place <= 4; ++place)
        EXPECT_FALSE(fs::exists(run(place))) << place;
    EXPECT_FALSE(common::enterHighscoreRun(table(), 5, {"X", 1}, kRun));
}

TEST_F(HighscoreRuns, OnlyAWholeRunOfTheSameRowIsWatchable) {
    EXPECT_EQ(kind(1, {"A", 10}), common::HighscoreRunKind::none);
    fillFourRows();
    EXPECT_EQ(kind(1, {"A", 10}), common::HighscoreRunKind::watchable);
    // The table was changed by other means: the run is not its row's and is left unoffered.
    EXPECT_EQ(kind(1, {"A", 11}), common::HighscoreRunKind::none);
    EXPECT_EQ(kind(1, {"Z", 10}), common::HighscoreRunKind::none);

    const std::string header = common::highscoreRunHeader(table(), {"B", 10});
    std::ofstream(run(2), std::ios::binary) << header << "seed 1\nframe 16 16\nfra";
    const auto cut = common::checkHighscoreRun(table(), 2, {"B", 10});
    EXPECT_EQ(cut.kind, common::HighscoreRunKind::damaged);
    EXPECT_NE(cut.reason.find("highscore_2_4-2.replay"), std::string::npos) << cut.reason;

    std::ofstream(run(3), std::ios::binary) << "\x89PNG\r\n\x1a\n";
    EXPECT_EQ(kind(3, {"C", 10}), common::HighscoreRunKind::foreign);
    fs::remove(run(4));
    fs::create_directory(run(4));
    EXPECT_EQ(kind(4, {"D", 10}), common::HighscoreRunKind::foreign);

    // A name with a line break still makes one header line.
    EXPECT_EQ(common::highscoreRunHeader(table(), {"a\nb", -3}),
              "# high score run: -3 points by a b in highscore_2_4.fly\n");
}

} // namespace

// What the game writes and how it copes with what it reads: the options file at exit,
// screenshots, broken level files, a missing options file, and repeatable runs.
#include "replay_harness.hpp"

#include "common/text_lines.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class Files : public ::testing::Test {
  protected:
    void SetUp() override {
        tree.writeMask(5, {{100, 650, 120, 670, kOpen}});
        level.gravityX = 850;
        level.gravityY = 760;
        tree.writeLevel(1, level);
    }
    int screenshotFiles() const {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(tree.root() / "screenshots"))
            count += entry.path().extension() == ".jpg";
        return count;
    }
    static std::string readFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    ReplayTree tree;
    TestLevel level;
};

TEST_F(Files, F12EndsTheGameAndWritesTheOptionsBack) {
    tree.setOptionLine(4, "Music:yes"); // only "Yes" is on
    tree.setOptionLine(8, "free text that nobody reads");
    tree.setOptionLine(31, "Screenshots:7");
    const auto before = tree.optionLines();
    const ReplayRun run = tree.run("step 10\ntap f12\nstep 5\nprint\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    // The game ended after the frame with F12: the step stopped and nothing more was printed.
    EXPECT_TRUE(run.prints.empty()) << run.output;
    const auto after = tree.optionLines();
    ASSERT_EQ(after.size(), 31u);
    EXPECT_EQ(after[3], "Music:No");
    for (int line = 8; line <= 30; ++line)
        EXPECT_EQ(after[line - 1], before[line - 1]) << "line " << line;
    EXPECT_EQ(after[30], "Screenshots:7");
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
}

TEST_F(Files, TheExitWriteKeepsLinesChangedOnDiskMeanwhile) {
    // The level editor raised the user-level count after the game had read the file: the
    // game's exit write takes every line it does not own from the file as it is on disk.
    tree.setOptionLine(9, "UserLevels:0");
    const ReplayRun run = tree.run("step 2\n");
    ASSERT_EQ(run.exitCode, 0);
    tree.setOptionLine(9, "UserLevels:3");
    const ReplayRun ended = tree.run("step 2\ntap f12\nstep 2\n");
    ASSERT_EQ(ended.exitCode, 0) << ended.errors;
    EXPECT_EQ(tree.optionLines()[8], "UserLevels:3");
}

TEST_F(Files, HoldingSWritesOneScreenshotPerPress) {
    tree.setOptionLine(31, "Screenshots:4");
    const ReplayRun run = tree.run("down s\nstep 40\nup s\nstep 1\nprint\n"
                                   "tap s\nstep 1\ntap s\nstep 1\nprint\ntap f12\nstep 2\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.prints.size(), 2u);
    EXPECT_EQ(run.prints[0].at("screenshotCount"), "5");
    EXPECT_EQ(run.prints[1].at("screenshotCount"), "7");
    EXPECT_EQ(screenshotFiles(), 3);
    for (int n = 5; n <= 7; ++n) {
        const fs::path shot =
            tree.root() / "screenshots" / ("screenshot" + std::to_string(n) + ".jpg");
        ASSERT_TRUE(fs::exists(shot)) << shot;
        const std::string bytes = readFile(shot);
        ASSERT_GT(bytes.size(), 3u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF); // JPEG start of image
        EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);
    }
    EXPECT_EQ(tree.optionLines()[30], "Screenshots:7");
}

TEST_F(Files, TheScreenshotCounterStopsAtItsLimitInsteadOfWrapping) {
    tree.setOptionLine(31, "Screenshots:2147483647");
    const ReplayRun run =
        tree.run("tap s\nstep 1\nprint\ntap f12\nstep 2\n", {"screenshot counter is at its limit"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.prints.at(0).at("screenshotCount"), "2147483647");
    EXPECT_EQ(screenshotFiles(), 0);
    EXPECT_EQ(tree.optionLines()[30], "Screenshots:2147483647");
}

TEST_F(Files, AMissingLevelFileReturnsToTheMenu) {
    fs::remove(tree.root() / "levels" / "level1.lev");
    const ReplayRun run = tree.run("step 3\nprint\n", {"level1.lev"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_NE(run.prints[0].at("notice").find("level1.lev"), std::string::npos);
}

TEST_F(Files, AMalformedLevelFileReturnsToTheMenu) {
    std::ofstream(tree.root() / "levels" / "level1.lev", std::ios::binary | std::ios::trunc)
        << ">> Brimzel Level File <<\r\nmap:mapX\r\nFlyX:abc\r\n";
    const ReplayRun run = tree.run("step 3\nprint\n", {"level1.lev"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_NE(run.prints[0].at("notice").find("level1.lev"), std::string::npos);
}

TEST_F(Files, AMaskWithoutOpenGroundIsReportedNotLoopedOn) {
    tree.setOptionLine(3, "GameLanguage:en");
    tree.writeMask(5, {});
    const ReplayRun run = tree.run("step 3\nprint\n", {"open ground"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("screenState"), "50");
    EXPECT_NE(run.prints[0].at("notice").find("open ground"), std::string::npos);
}

TEST_F(Files, LevelAndMaskNoticesSpeakCzechInTheCzechGame) {
    tree.setOptionLine(3, "GameLanguage:cz");
    fs::remove(tree.root() / "levels" / "level1.lev");
    ReplayRun run = tree.run("step 3\nprint\n", {"level1.lev"});
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("notice"),
              "Level nelze hrát: soubor levels/level1.lev chybí nebo nejde přečíst.");

    tree.writeLevel(1, level);
    auto lines = common::readTextLines(tree.root() / "levels" / "level1.lev", 100).value();
    lines[2] = "FlyX:abc";
    ASSERT_TRUE(common::writeTextLines(tree.root() / "levels" / "level1.lev", lines));
    run = tree.run("step 3\nprint\n", {"level1.lev"});
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("notice"),
              "Level nelze hrát: soubor levels/level1.lev je poškozený na řádku 3.");

    tree.writeLevel(1, level);
    tree.writeMask(5, {});
    run = tree.run("step 3\nprint\n", {"map5_mask"});
    ASSERT_EQ(run.prints.size(), 1u);
    EXPECT_EQ(run.prints[0].at("notice").rfind("Maska mapy 5 (textura map5_mask) nemá", 0), 0u)
        << run.prints[0].at("notice");
}

TEST_F(Files, AMissingOrBrokenOptionsFileIsFatalAndNamed) {
    tree.setOptionLine(10, "GamePosition:abc");
    ReplayRun run = tree.run("step 1\n", {"Brimzel.ini"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.errors.find("Brimzel.ini"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("10"), std::string::npos) << run.errors;

    fs::remove(tree.optionsPath());
    run = tree.run("step 1\n", {"Brimzel.ini"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.errors.find("Brimzel.ini"), std::string::npos) << run.errors;
}

TEST_F(Files, TheSameScriptGivesTheSameOutputAndShots) {
    level.enemies = {{1, 200, 200, 90}, {2, 700, 600, 0}, {4, 400, 100, 180}};
    tree.writeLevel(1, level);
    const std::string script = "down right\nstep 40\ndown up\nstep 30\nup right\nup up\nstep 200\n"
                               "print\nshot a.png\ntap esc\nstep 30\nprint\nshot b.png\n";
    const ReplayRun first = tree.run(script);
    const std::string shotA = readFile(tree.root() / "a.png");
    const std::string shotB = readFile(tree.root() / "b.png");
    const ReplayRun second = tree.run(script);
    ASSERT_EQ(first.exitCode, 0) << first.errors;
    EXPECT_EQ(first.output, second.output);
    EXPECT_FALSE(shotA.empty());
    EXPECT_EQ(shotA, readFile(tree.root() / "a.png"));
    EXPECT_EQ(shotB, readFile(tree.root() / "b.png"));
    EXPECT_NE(shotA, shotB);
}

} // namespace

namespace {

TEST(ReplayProgram, RunsAScriptFileFromTheCommandLine) {
    const fs::path program = fs::path(BRIMZEL_TREE) / "bin" / "brimzel-replay";
    if (!fs::exists(program))
        GTEST_SKIP() << "brimzel-replay is not built";
    ReplayTree tree;
    tree.writeMask(5, {{100, 650, 120, 670, kOpen}});
    tree.writeLevel(1, TestLevel{});
    const fs::path script = tree.root() / "script.replay";
    std::ofstream(script) << "# two frames\nstep 2\nprint\n";
    const fs::path output = tree.root() / "out.txt";
    const std::string command = "cd " + tree.root().string() + " && SDL_VIDEODRIVER=dummy '" +
                                program.string() + "' . script.replay > out.txt 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(output);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("screenState 200\n"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("frame 2\n"), std::string::npos) << text.str();

    std::ofstream(script) << "step x\n";
    EXPECT_NE(std::system(command.c_str()), 0);
}

} // namespace

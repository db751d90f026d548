// What the game writes and how it copes with what it reads: the options file at exit,
// screenshots, broken level files, a missing options file, repeatable runs, what a recording
// may read and the replay program writing only into its scratch copy.
#include "replay_harness.hpp"

#include "common/atomic_file.hpp"
#include "common/text_lines.hpp"
#include "game/recording/script_words.hpp"
#include "game/replay/tree_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

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

TEST_F(Files, AScreenshotTakesTheNextFreeNumberInsteadOfReplacingOne) {
    // A crash kept the counter at 4 after two more screenshots (or a second game took them).
    tree.setOptionLine(31, "Screenshots:4");
    const fs::path shots = tree.root() / "screenshots";
    std::ofstream(shots / "screenshot5.jpg", std::ios::binary) << "taken";
    std::ofstream(shots / "screenshot6.jpg", std::ios::binary) << "taken too";
    const ReplayRun run = tree.run("tap s\nstep 1\nprint\ntap f12\nstep 2\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.prints.at(0).at("screenshotCount"), "7");
    EXPECT_EQ(readFile(shots / "screenshot5.jpg"), "taken");
    EXPECT_EQ(readFile(shots / "screenshot6.jpg"), "taken too");
    EXPECT_EQ(readFile(shots / "screenshot7.jpg").substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(tree.optionLines()[30], "Screenshots:7");
}

TEST_F(Files, AScreenshotOnAFullDiskIsReportedAndNotCounted) {
    tree.setOptionLine(3, "GameLanguage:en");
    tree.setOptionLine(31, "Screenshots:4");
    common::setFileFaultsForTesting({.write = ENOSPC});
    const ReplayRun run = tree.run("tap s\nstep 1\nprint\n", {"could not be saved"});
    common::setFileFaultsForTesting({});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.prints.at(0).at("screenshotCount"), "4");
    EXPECT_NE(run.prints.at(0).at("notice").find("The screenshot could not be saved"),
              std::string::npos);
    EXPECT_TRUE(fs::is_empty(tree.root() / "screenshots")); // no picture, whole or part
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

// A recording's `file` lines are checked without hanging on a FIFO, reading a device without
// end or following a link out of the tree; each such file is named and the replay goes on.
TEST_F(Files, ARecordingReadsOnlyBoundedRegularFilesInsideTheTree) {
    const fs::path levels = tree.root() / "levels";
    const fs::path outside = tree.root().string() + "-outside";
    std::ofstream(outside) << "not the tree's";
    fs::create_symlink(outside, levels / "outside.lev");
    fs::create_symlink("/dev/zero", levels / "zero.lev");
    ASSERT_EQ(mkfifo((levels / "fifo.lev").c_str(), 0600), 0);
    std::ofstream(levels / "big.lev").close();
    fs::resize_file(levels / "big.lev", kLargestTreeFile + 1);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(replayFileHash("not the tree's")));
    const ReplayRun run =
        tree.run(std::string("file levels/outside.lev 14 ") + hash +
                     "\nfile levels/zero.lev 1 0000000000000000\n"
                     "file levels/fifo.lev 0 0000000000000000\n"
                     "file levels/big.lev " +
                     std::to_string(kLargestTreeFile + 1) + " 0000000000000000\nstep 1\n",
                 {"cannot be compared"});
    fs::remove(outside);
    EXPECT_EQ(run.exitCode, 0);
    for (const char* why : {"line 1: levels/outside.lev cannot be compared: levels/outside.lev "
                            "leads out of the tree",
                            "line 2: levels/zero.lev cannot be compared", "is not a regular file",
                            "line 4: levels/big.lev cannot be compared", "is larger than"})
        EXPECT_NE(run.errors.find(why), std::string::npos) << why << "\n" << run.errors;
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 4) << run.errors;
}

} // namespace

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Everything a run may write in a tree, with its bytes.
std::map<std::string, std::string> writableFiles(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const char* folder : {"bin", "highscore", "save", "screenshots", "levels/user", "options"})
        for (const auto& entry : fs::recursive_directory_iterator(root / folder))
            files[fs::relative(entry.path(), root).string()] = contents(entry.path());
    return files;
}

// The player's own tree is only read: the run writes into a scratch copy that goes afterwards,
// even when the replay is stopped by a signal; --in-place writes into the tree.
TEST(ReplayProgram, ReplaysInAScratchCopyThatGoesAfterwards) {
    const fs::path program = fs::path(BRIMZEL_TREE) / "bin" / "brimzel-replay";
    if (!fs::exists(program))
        GTEST_SKIP() << "brimzel-replay is not built";
    ReplayTree tree;
    tree.writeMask(5, {{100, 650, 120, 670, kOpen}});
    tree.writeLevel(1, TestLevel{});
    tree.setOptionLine(31, "Screenshots:4");
    const fs::path& root = tree.root();
    fs::create_directories(root / "tmp");
    fs::create_directories(root / "shots");
    std::ofstream(root / "script.replay") << "step 2\nprint\ntap s\nstep 1\nshot a.png\n"
                                             "tap f12\nstep 2\n";
    std::ofstream(root / "long.replay") << "step 900000\n";
    const auto before = writableFiles(root);
    const std::string in = "cd " + root.string() + " && ";
    const std::string replay = in + "TMPDIR=tmp SDL_VIDEODRIVER=dummy '" + program.string() + "' ";

    EXPECT_EQ(std::system((replay + "--output shots . script.replay >out.txt 2>&1").c_str()), 0);
    const std::string output = contents(root / "out.txt");
    EXPECT_NE(output.find("screenState 200\n"), std::string::npos) << output; // the tree's options
    EXPECT_NE(output.find("screenshotCount 4\n"), std::string::npos) << output;
    EXPECT_TRUE(fs::exists(root / "shots" / "a.png"));
    EXPECT_TRUE(writableFiles(root) == before) << output;
    EXPECT_TRUE(fs::is_empty(root / "tmp"));

    const std::string stopped = replay.substr(0, in.size()) + "(" + replay.substr(in.size()) +
                                ". long.replay >/dev/null 2>&1 & pid=$!; for i in $(seq 600); do "
                                "[ -n \"$(ls tmp)\" ] && break; sleep 0.1; done; kill -TERM "
                                "$pid; wait $pid)";
    const int status = std::system(stopped.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGTERM) << status;
    EXPECT_TRUE(fs::is_empty(root / "tmp"));

    EXPECT_EQ(
        std::system((replay + "--in-place --output shots . script.replay >/dev/null 2>&1").c_str()),
        0);
    EXPECT_EQ(tree.optionLines()[30], "Screenshots:5");
    EXPECT_TRUE(fs::exists(root / "screenshots" / "screenshot5.jpg"));
}

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

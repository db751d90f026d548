#include "engine/engine.hpp"
#include "game/replay/replay_script.hpp"

#include <gtest/gtest.h>

namespace {

using Kind = ReplayCommand::Kind;

TEST(ReplayScript, ReadsEveryCommandWithCommentsAndBlankLines) {
    const auto script = parseReplayScript("# fly right\n"
                                          "frame-ms 20\n"
                                          "\n"
                                          "  down right   # held\n"
                                          "step 30\r\n"
                                          "up right\n"
                                          "tap esc\n"
                                          "shot pause.png\n"
                                          "print",
                                          "t.txt");
    ASSERT_TRUE(script) << script.message();
    const auto& c = script.value();
    ASSERT_EQ(c.size(), 7u);
    EXPECT_EQ(c[0].kind, Kind::FrameMs);
    EXPECT_DOUBLE_EQ(c[0].value, 20);
    EXPECT_EQ(c[1].kind, Kind::Down);
    EXPECT_EQ(c[1].keyCode, engine::key::Right);
    EXPECT_EQ(c[1].line, 4);
    EXPECT_EQ(c[2].kind, Kind::Step);
    EXPECT_DOUBLE_EQ(c[2].value, 30);
    EXPECT_EQ(c[3].kind, Kind::Up);
    EXPECT_EQ(c[4].kind, Kind::Tap);
    EXPECT_EQ(c[4].keyCode, engine::key::Escape);
    EXPECT_EQ(c[5].kind, Kind::Shot);
    EXPECT_EQ(c[5].path, "pause.png");
    EXPECT_EQ(c[6].kind, Kind::Print);
}

TEST(ReplayScript, ReadsARecordingsStartFramesAndExpectedState) {
    const auto script = parseReplayScript("seed 4294967295\n"
                                          "file levels/level1.lev 180 00000000000000ff\n"
                                          "clock 3.25 4180\n"
                                          "frame 16.6669998 4294967295\n"
                                          "close\n"
                                          "expect enemy1 1  300.000 0 \r\n",
                                          "r.replay");
    ASSERT_TRUE(script) << script.message();
    const auto& c = script.value();
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(c[0].kind, Kind::Seed);
    EXPECT_DOUBLE_EQ(c[0].value, 4294967295.0);
    EXPECT_EQ(c[1].kind, Kind::File);
    EXPECT_EQ(c[1].path, "levels/level1.lev");
    EXPECT_DOUBLE_EQ(c[1].value, 180);
    EXPECT_EQ(c[1].number, 0xffu);
    EXPECT_EQ(c[2].kind, Kind::Clock);
    EXPECT_EQ(static_cast<float>(c[3].value), 16.6669998f);
    EXPECT_EQ(c[3].number, 4294967295u);
    EXPECT_EQ(c[4].kind, Kind::Close);
    EXPECT_EQ(c[5].kind, Kind::Expect);
    EXPECT_EQ(c[5].path, "enemy1");
    EXPECT_EQ(c[5].text, "1  300.000 0");
}

TEST(ReplayScript, KeyNamesMapToEngineCodes) {
    EXPECT_EQ(replayKeyCode("esc"), engine::key::Escape);
    EXPECT_EQ(replayKeyCode("enter"), engine::key::Enter);
    EXPECT_EQ(replayKeyCode("space"), engine::key::Space);
    EXPECT_EQ(replayKeyCode("up"), engine::key::Up);
    EXPECT_EQ(replayKeyCode("down"), engine::key::Down);
    EXPECT_EQ(replayKeyCode("left"), engine::key::Left);
    EXPECT_EQ(replayKeyCode("right"), engine::key::Right);
    EXPECT_EQ(replayKeyCode("s"), engine::key::S);
    EXPECT_EQ(replayKeyCode("f12"), engine::key::F12);
    EXPECT_EQ(replayKeyCode("F12"), 0);
    EXPECT_EQ(replayKeyCode("x"), 0);
}

TEST(ReplayScript, RejectsMistakesNamingTheLine) {
    const char* bad[] = {"jump 3",      "step",       "step -1",     "step 2.5",
                         "step x",      "frame-ms 0", "frame-ms -5", "frame-ms nan",
                         "down",        "down x",     "tap a b",     "shot",
                         "print now",   "step 1e99",  "seed -1",     "seed 1 2",
                         "file a 1 12", "clock 5",    "frame -1 3",  "frame 1 4294967296",
                         "expect x",    "close now"};
    for (const char* line : bad) {
        const auto script = parseReplayScript(std::string("# first\n") + line + "\n", "s.txt");
        ASSERT_FALSE(script) << line;
        EXPECT_NE(script.message().find("s.txt, line 2"), std::string::npos) << script.message();
    }
    // What the run started from cannot change once frames have run.
    const auto late = parseReplayScript("step 1\nseed 5\n", "s.txt");
    ASSERT_FALSE(late);
    EXPECT_NE(late.message().find("s.txt, line 2: \"seed\" must come before the first frame"),
              std::string::npos);
}

// A script from someone else names no place to write or read outside its folders.
TEST(ReplayScript, ShotsArePlainNamesAndFilesStayInsideTheTree) {
    const char* bad[] = {"shot /home/me/notes.png",
                         "shot ../x.png",
                         "shot out/pause.png",
                         "shot .hidden.png",
                         "shot notes.txt",
                         "shot -x.png",
                         "shot a\\b.png",
                         "file /dev/zero 1 0000000000000000",
                         "file ../x 1 0000000000000000",
                         "file bin/../../x 1 0000000000000000",
                         "file bin//x 1 0000000000000000"};
    for (const char* line : bad) {
        const auto script = parseReplayScript(std::string("# first\n") + line + "\n", "s.txt");
        ASSERT_FALSE(script) << line;
        EXPECT_EQ(script.message().rfind("s.txt, line 2: ", 0), 0u) << script.message();
    }
    EXPECT_TRUE(parseReplayScript("file levels/user/a.lev 1 0000000000000000\n"
                                  "shot Pause_2-b.v1.png\n",
                                  "s.txt"));
}

// A script cannot ask for days of work: the ceilings are named before anything runs, and an
// option raises them.
TEST(ReplayScript, WorkBeyondTheCeilingsIsRefusedNamingTheLine) {
    const std::string longLine = "# " + std::string(5000, 'x') + "\n";
    const struct {
        std::string text;
        const char* where;
    } cases[] = {{"step 1\nstep 10000000\n", "s.txt, line 2: the script runs more than 1000000"},
                 {"step 999999\ntap s\nframe 16 5\n", "s.txt, line 3: the script runs more"},
                 {"step 1\n" + longLine, "s.txt, line 2: the line is longer than 4096"}};
    for (const auto& c : cases) {
        const auto script = parseReplayScript(c.text, "s.txt");
        ASSERT_FALSE(script) << c.text.substr(0, 40);
        EXPECT_EQ(script.message().rfind(c.where, 0), 0u) << script.message();
    }
    ReplayLimits few;
    few.lines = 3;
    few.bytes = 12;
    EXPECT_NE(parseReplayScript("\n\n\nstep 1\n", "s.txt", few).message().find("line 4"),
              std::string::npos);
    EXPECT_NE(parseReplayScript("step 1\nstep 200\n", "s.txt", few).message().find("line 2"),
              std::string::npos);
    EXPECT_TRUE(parseReplayScript("step 10000000\n", "s.txt", ReplayLimits::forFrames(10'000'000)));
}

} // namespace

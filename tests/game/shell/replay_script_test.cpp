#include "engine/engine.hpp"
#include "game/shell/replay_script.hpp"

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
                                          "shot out/pause.png\n"
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
    EXPECT_EQ(c[5].path, "out/pause.png");
    EXPECT_EQ(c[6].kind, Kind::Print);
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
    const char* bad[] = {"jump 3",     "step",        "step -1",      "step 2.5", "step x",
                         "frame-ms 0", "frame-ms -5", "frame-ms nan", "down",     "down x",
                         "tap a b",    "shot",        "print now",    "step 1e99"};
    for (const char* line : bad) {
        const auto script = parseReplayScript(std::string("print\n") + line + "\n", "s.txt");
        ASSERT_FALSE(script) << line;
        EXPECT_NE(script.message().find("s.txt, line 2"), std::string::npos) << script.message();
    }
}

} // namespace

// Loading a level file into the play state, and what a bad file does.
#include "common/level_record.hpp"
#include "game/gameplay/level_setup.hpp"
#include "gameplay_test_support.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace gameplay_test;
namespace fs = std::filesystem;

namespace {

class LevelSetup : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("brimzel-level-setup-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "levels" / "user");
        for (int kind = 1; kind <= 4; ++kind) {
            f.state.kindSpeed[kind] = 0.1 * kind;
            f.state.kindFollowSpeed[kind] = 0.2 * kind;
            f.state.kindReaction[kind] = 100.5 + kind; // 101.5 and 103.5 round to even
            f.state.kindFollowTime[kind] = 1000.0 * kind;
            f.state.kindSleepTime[kind] = 500.0 * kind;
        }
    }
    void TearDown() override { fs::remove_all(root); }

    void writeLevel(const fs::path& path, int map, int enemies) {
        common::LevelRecord level;
        level.map = static_cast<std::int16_t>(map);
        level.flyX = 431.36f;
        level.flyY = 500;
        level.bubbles = 12;
        level.minutes = 2;
        level.seconds = 30;
        level.enemyCount = static_cast<std::int16_t>(enemies);
        for (int i = 0; i < enemies; ++i)
            level.enemies[i] = {static_cast<std::int16_t>(i % 4 + 1), 100.0f + i, 200.0f + i,
                                static_cast<std::int16_t>(45 * i)};
        ASSERT_TRUE(common::writeBuiltInLevelFile(path, level).ok());
    }

    fs::path root;
    Fixture f;
};

} // namespace

TEST_F(LevelSetup, AppliesTheFileWithEachKindsParameters) {
    writeLevel(root / "levels" / "level3.lev", 2, 3);
    f.state.levelNumber = 3;
    ASSERT_TRUE(gameplay::loadLevel(f.state, root));
    GameState& s = f.state;
    EXPECT_EQ(s.mapNumber, 2);
    EXPECT_NEAR(s.flyX, 431.36, 1e-4);
    EXPECT_DOUBLE_EQ(s.gravityX, 686);
    EXPECT_DOUBLE_EQ(s.gravityY, 354);
    EXPECT_EQ(s.bubblesTotal, 12);
    EXPECT_EQ(s.minutes, 2);
    EXPECT_EQ(s.seconds, 30);
    EXPECT_EQ(s.enemyCount, 3);
    EXPECT_EQ(s.enemyKind[3], 3);
    EXPECT_DOUBLE_EQ(s.enemyX[2], 101);
    EXPECT_DOUBLE_EQ(s.enemyAngle[3], 90);
    EXPECT_DOUBLE_EQ(s.enemyTargetAngle[3], 90);
    EXPECT_DOUBLE_EQ(s.enemySpeed[2], 0.2);
    EXPECT_DOUBLE_EQ(s.enemyFollowTime[3], 3000);
    EXPECT_EQ(s.enemyReaction[1], 102); // 101.5
    EXPECT_EQ(s.enemyReaction[3], 104); // 103.5
    EXPECT_EQ(s.enemyFrameKey[2], "gnat_m1");
}

TEST_F(LevelSetup, TimeAttackStartsTheClockAtZeroAndKeepsTheLimit) {
    writeLevel(root / "levels" / "level1.lev", 1, 0);
    f.state.gameMode = 3;
    ASSERT_TRUE(gameplay::loadLevel(f.state, root));
    EXPECT_EQ(f.state.minutes, 0);
    EXPECT_EQ(f.state.seconds, 0);
    EXPECT_EQ(f.state.timeLimitMinutes, 2);
    EXPECT_EQ(f.state.timeLimitSeconds, 30);
    EXPECT_EQ(f.state.enemyCount, 0);
}

TEST_F(LevelSetup, UserLevelsAreGameLevelsFromSeventeen) {
    writeLevel(root / "levels" / "user" / "level1.lev", 4, 0);
    f.state.levelNumber = 17;
    f.state.userLevel = true;
    ASSERT_TRUE(gameplay::loadLevel(f.state, root));
    EXPECT_EQ(f.state.mapNumber, 4);

    f.state.userLevel = false; // built-in 17 does not exist
    EXPECT_FALSE(gameplay::loadLevel(f.state, root));
}

TEST_F(LevelSetup, MissingOrBrokenFileIsReportedAndChangesNothing) {
    f.state.levelNumber = 9;
    f.state.mapNumber = 6;
    EXPECT_FALSE(gameplay::loadLevel(f.state, root));
    EXPECT_TRUE(f.state.levelLoadFailed);
    EXPECT_NE(f.state.levelError.find("level9.lev"), std::string::npos);
    EXPECT_EQ(f.state.mapNumber, 6);

    std::ofstream(root / "levels" / "level9.lev", std::ios::binary)
        << ">> Brimzel Level File <<\r\nmap:map2\r\nFlyX:abc\r\n";
    f.state.levelLoadFailed = false;
    EXPECT_FALSE(gameplay::loadLevel(f.state, root));
    EXPECT_TRUE(f.state.levelLoadFailed);
    EXPECT_FALSE(f.state.levelError.empty());
    EXPECT_EQ(f.state.mapNumber, 6);
}

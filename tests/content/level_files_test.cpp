// The sixteen built-in levels: both readers take them, two per map with the map's gravitation
// point, every start on open ground away from walls and the pull, every bubble spot reachable
// from the fly's start, difficulty rising, and the editor keeps their positions.
#include "common/level_record.hpp"
#include "common/text_lines.hpp"
#include "tree_files.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace tree_files;

std::filesystem::path levelPath(int n) {
    return kTree / "levels" / ("level" + std::to_string(n) + ".lev");
}

std::vector<common::PlayLevel> readAll() {
    std::vector<common::PlayLevel> levels;
    for (int n = 1; n <= 16; ++n) {
        auto level = common::readLevelFileForPlay(levelPath(n));
        EXPECT_TRUE(level.ok()) << level.message();
        levels.push_back(level.ok() ? level.value() : common::PlayLevel{});
    }
    return levels;
}

// No wall pixel within `radius` of the point.
bool roomAround(const Mask& mask, double x, double y, int radius) {
    const int cx = static_cast<int>(std::lround(x)), cy = static_cast<int>(std::lround(y));
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius && mask.wall(cx + dx, cy + dy))
                return false;
    return true;
}

// Pixels reachable from a start without crossing a wall, within the play field.
std::vector<std::uint8_t> reachable(const Mask& mask, double x, double y) {
    std::vector<std::uint8_t> seen(1024 * 768, 0);
    std::deque<std::pair<int, int>> queue;
    auto visit = [&](int px, int py) {
        if (px < 0 || py < 0 || px >= 860 || py >= 768 || mask.wall(px, py))
            return;
        std::uint8_t& s = seen[static_cast<std::size_t>(py) * 1024 + static_cast<std::size_t>(px)];
        if (!s) {
            s = 1;
            queue.emplace_back(px, py);
        }
    };
    visit(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    while (!queue.empty()) {
        const auto [px, py] = queue.front();
        queue.pop_front();
        visit(px + 1, py);
        visit(px - 1, py);
        visit(px, py + 1);
        visit(px, py - 1);
    }
    return seen;
}

TEST(BuiltInLevels, BothReadersTakeEveryFile) {
    for (int n = 1; n <= 16; ++n) {
        auto lines = common::readTextLines(levelPath(n), 1);
        ASSERT_TRUE(lines.ok()) << lines.message();
        EXPECT_EQ(lines.value().at(0), common::kBuiltInLevelHeader) << n;
        auto forEditing = common::ReadLevelFileForEditing(levelPath(n));
        ASSERT_TRUE(forEditing.ok()) << forEditing.message();
        EXPECT_FALSE(forEditing.value().userLevelFile) << n;
    }
    EXPECT_EQ(readAll().size(), 16u);
}

TEST(BuiltInLevels, TwoLevelsPerMapWithTheMapsGravitationPointAndValidCounts) {
    const auto levels = readAll();
    for (int n = 1; n <= 16; ++n) {
        const common::PlayLevel& l = levels[static_cast<std::size_t>(n - 1)];
        SCOPED_TRACE("level " + std::to_string(n));
        EXPECT_EQ(l.mapNumber, (n + 1) / 2);
        const common::GravitationPoint g = common::gravitationPoint(l.mapNumber);
        EXPECT_EQ(l.gravityX, g.x);
        EXPECT_EQ(l.gravityY, g.y);
        EXPECT_GE(l.bubblesTotal, 1);
        EXPECT_LE(l.bubblesTotal, 99);
        EXPECT_GE(l.minutes, 0);
        EXPECT_LE(l.seconds, 59);
        EXPECT_GE(l.minutes * 60 + l.seconds, 1);
        EXPECT_GE(l.enemyCount, 0);
        EXPECT_LE(l.enemyCount, 10);
        for (int i = 0; i < l.enemyCount; ++i) {
            EXPECT_GE(l.enemyKind[static_cast<std::size_t>(i)], 1);
            EXPECT_LE(l.enemyKind[static_cast<std::size_t>(i)], 4);
            EXPECT_GE(l.enemyAngle[static_cast<std::size_t>(i)], 0);
            EXPECT_LE(l.enemyAngle[static_cast<std::size_t>(i)], 360);
        }
    }
}

TEST(BuiltInLevels, StartsLieOnOpenGroundClearOfWallsAndThePull) {
    const auto levels = readAll();
    for (int n = 1; n <= 16; ++n) {
        const common::PlayLevel& l = levels[static_cast<std::size_t>(n - 1)];
        SCOPED_TRACE("level " + std::to_string(n));
        const Mask mask(l.mapNumber);
        ASSERT_TRUE(mask.loaded) << "mask of map " << l.mapNumber << " missing or not 1024 x 768";
        std::vector<std::pair<double, double>> starts = {{l.flyX, l.flyY}};
        for (int i = 0; i < l.enemyCount; ++i)
            starts.emplace_back(l.enemyX[static_cast<std::size_t>(i)],
                                l.enemyY[static_cast<std::size_t>(i)]);
        for (std::size_t i = 0; i < starts.size(); ++i) {
            const auto [x, y] = starts[i];
            const std::string who = i == 0 ? "fly" : "enemy " + std::to_string(i);
            EXPECT_GT(x, 0) << who;
            EXPECT_LT(x, 860) << who;
            EXPECT_GT(y, 0) << who;
            EXPECT_LT(y, 768) << who;
            EXPECT_GE(std::hypot(x - l.gravityX, y - l.gravityY), 100.0) << who;
            EXPECT_TRUE(roomAround(mask, x, y, 24)) << who << " at " << x << "," << y;
        }
    }
}

// Bubbles land on any open (yellow) pixel, so the fly must be able to reach each of them; the
// enemies start in the same space as the fly.
TEST(BuiltInLevels, EveryBubbleSpotAndEnemyCanBeReachedFromTheFlysStart) {
    const auto levels = readAll();
    for (int n = 1; n <= 16; ++n) {
        const common::PlayLevel& l = levels[static_cast<std::size_t>(n - 1)];
        SCOPED_TRACE("level " + std::to_string(n));
        const Mask mask(l.mapNumber);
        ASSERT_TRUE(mask.loaded);
        const auto seen = reachable(mask, l.flyX, l.flyY);
        int unreachable = 0, open = 0;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 860; ++x)
                if (mask.open(x, y)) {
                    ++open;
                    if (!seen[static_cast<std::size_t>(y) * 1024 + static_cast<std::size_t>(x)])
                        ++unreachable;
                }
        EXPECT_GT(open, 0);
        EXPECT_EQ(unreachable, 0) << "open pixels the fly cannot reach";
        for (int i = 0; i < l.enemyCount; ++i) {
            const auto x =
                static_cast<std::size_t>(std::lround(l.enemyX[static_cast<std::size_t>(i)]));
            const auto y =
                static_cast<std::size_t>(std::lround(l.enemyY[static_cast<std::size_t>(i)]));
            EXPECT_TRUE(seen[y * 1024 + x]) << "enemy " << i + 1;
        }
    }
}

TEST(BuiltInLevels, DifficultyRisesThroughTheScenario) {
    const auto levels = readAll();
    double lastSecondsPerBubble = 1e9;
    for (int n = 1; n <= 16; ++n) {
        const common::PlayLevel& l = levels[static_cast<std::size_t>(n - 1)];
        SCOPED_TRACE("level " + std::to_string(n));
        const double secondsPerBubble = (l.minutes * 60.0 + l.seconds) / l.bubblesTotal;
        // Tighter each level, yet never below what a good player manages.
        EXPECT_LT(secondsPerBubble, lastSecondsPerBubble);
        EXPECT_GE(secondsPerBubble, 3.0);
        lastSecondsPerBubble = secondsPerBubble;
        if (n > 1) {
            const common::PlayLevel& before = levels[static_cast<std::size_t>(n - 2)];
            EXPECT_GE(l.bubblesTotal, before.bubblesTotal);
            EXPECT_GE(l.enemyCount, before.enemyCount);
        }
    }
    EXPECT_EQ(levels.back().enemyCount, 10);
}

// The tutorial's last step shows the enemies of level 1: one or two of the slow kinds (wasp,
// dragonfly: they notice the fly only close by), well away from the fly.
TEST(BuiltInLevels, FirstLevelSuitsTheTutorial) {
    const common::PlayLevel l = readAll().front();
    ASSERT_GE(l.enemyCount, 1);
    ASSERT_LE(l.enemyCount, 2);
    for (int i = 0; i < l.enemyCount; ++i) {
        const auto k = l.enemyKind[static_cast<std::size_t>(i)];
        EXPECT_TRUE(k == 1 || k == 3) << "kind " << k;
        EXPECT_GE(std::hypot(l.enemyX[static_cast<std::size_t>(i)] - l.flyX,
                             l.enemyY[static_cast<std::size_t>(i)] - l.flyY),
                  300.0);
    }
}

// Positions sit on whole editor view units, so a built-in level opened in the editor and
// saved as a user level plays exactly like the original.
TEST(BuiltInLevels, EditorCopyKeepsEveryPosition) {
    const std::filesystem::path copy = std::filesystem::temp_directory_path() /
                                       ("brimzel-level-copy-" + std::to_string(::getpid()));
    std::filesystem::create_directories(copy);
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        auto original = common::readLevelFileForPlay(levelPath(n));
        auto document = common::ReadLevelFileForEditing(levelPath(n));
        ASSERT_TRUE(original.ok() && document.ok());
        const std::filesystem::path saved = copy / "level1.lev";
        ASSERT_TRUE(common::WriteLevelFile(saved, document.value()).ok());
        auto again = common::readLevelFileForPlay(saved);
        ASSERT_TRUE(again.ok()) << again.message();
        const common::PlayLevel &a = original.value(), &b = again.value();
        EXPECT_FLOAT_EQ(static_cast<float>(a.flyX), static_cast<float>(b.flyX));
        EXPECT_FLOAT_EQ(static_cast<float>(a.flyY), static_cast<float>(b.flyY));
        ASSERT_EQ(a.enemyCount, b.enemyCount);
        for (std::size_t i = 0; i < static_cast<std::size_t>(a.enemyCount); ++i) {
            EXPECT_FLOAT_EQ(static_cast<float>(a.enemyX[i]), static_cast<float>(b.enemyX[i]));
            EXPECT_FLOAT_EQ(static_cast<float>(a.enemyY[i]), static_cast<float>(b.enemyY[i]));
        }
    }
    std::filesystem::remove_all(copy);
}

} // namespace

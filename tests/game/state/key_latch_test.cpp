#include "game/state/key_latch.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Feeds a sequence of key states frame by frame and returns the frames in which the action fired.
std::vector<int> firingFrames(const std::vector<bool>& downPerFrame) {
    bool latch = false;
    std::vector<int> fired;
    for (size_t i = 0; i < downPerFrame.size(); ++i)
        if (keyReleased(latch, downPerFrame[i]))
            fired.push_back(static_cast<int>(i));
    return fired;
}

TEST(KeyLatch, FiresOnceOnReleaseHoweverLongHeld) {
    EXPECT_EQ(firingFrames({true, false}), (std::vector<int>{1}));
    EXPECT_EQ(firingFrames({true, true, true, true, true, false, false}), (std::vector<int>{5}));
    EXPECT_EQ(firingFrames({false, false, false}), (std::vector<int>{}));
    EXPECT_EQ(firingFrames({true, false, true, false}), (std::vector<int>{1, 3}));
    // Still held when the frames run out: nothing yet.
    EXPECT_EQ(firingFrames({true, true}), (std::vector<int>{}));
}

TEST(KeyLatch, BlockedLatchIgnoresPressButKeepsAnEarlierOne) {
    bool latch = false;
    EXPECT_FALSE(keyReleased(latch, true, false));
    EXPECT_FALSE(latch);
    EXPECT_FALSE(keyReleased(latch, false, false));

    // Latched while allowed, then released while latching is not allowed: still fires.
    EXPECT_FALSE(keyReleased(latch, true, true));
    EXPECT_TRUE(keyReleased(latch, false, false));
    EXPECT_FALSE(latch);
}

} // namespace

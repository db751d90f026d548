#include "game/presentation/hud.hpp"
#include "game/presentation/level_objects.hpp"
#include "game/presentation/play_field.hpp"
#include "game/state/game_state.hpp"

#include <gtest/gtest.h>

namespace {

TEST(HudText, NumbersArePaddedWithZeros) {
    EXPECT_EQ(zeroPadded(7, 5), "00007");
    EXPECT_EQ(zeroPadded(123456, 5), "123456");
    EXPECT_EQ(zeroPadded(12, 2), "12");
    EXPECT_EQ(zeroPadded(5, 3), "005");
    EXPECT_EQ(zeroPadded(0, 2), "00");
    EXPECT_EQ(zeroPadded(-3, 3), "003"); // no sign
    EXPECT_EQ(clockText(9, 5), "09 : 05");
    EXPECT_EQ(clockText(0, 0), "00 : 00");
}

TEST(HudText, BubbleCounterByMode) {
    EXPECT_EQ(bubbleCounterText(1, 3, 12), "03 / 12");
    EXPECT_EQ(bubbleCounterText(3, 10, 100), "10 / 100");
    EXPECT_EQ(bubbleCounterText(2, 4, 12), "004"); // bubble match: collected alone
}

TEST(HudText, LabelsAreCzechOnlyForCz) {
    EXPECT_STREQ(hudLabels("cz").score, "skóre");
    EXPECT_STREQ(hudLabels("cz").time, "čas");
    EXPECT_STREQ(hudLabels("cz").energy, "energie");
    EXPECT_STREQ(hudLabels("en").score, "score");
    EXPECT_STREQ(hudLabels("de").energy, "energy");
    EXPECT_STREQ(hudLabels("cz").level, "level");
    EXPECT_STREQ(hudLabels("en").level, "level");
}

TEST(LevelObjects, TheLightFlickersOffFourTimesACycle) {
    const double on[] = {0, 4999.9, 5100, 5599.9, 5700, 7199.9, 7300, 7799.9};
    const double off[] = {5000, 5099.9, 5600, 5699.9, 7200, 7299.9, 7800, 7899.9};
    for (double t : on)
        EXPECT_TRUE(lightIsOn(t)) << t;
    for (double t : off)
        EXPECT_FALSE(lightIsOn(t)) << t;
}

TEST(PlayField, TheTutorialHidesEnemiesUntilItsEnemyStep) {
    GameState s;
    EXPECT_FALSE(enemiesHiddenByTutorial(s));
    s.tutorialActive = true;
    s.tutorialStep = 3;
    EXPECT_TRUE(enemiesHiddenByTutorial(s));
    s.tutorialStep = 4;
    EXPECT_FALSE(enemiesHiddenByTutorial(s));
    s.tutorialPanelShown = true;
    EXPECT_TRUE(enemiesHiddenByTutorial(s));
    s.tutorialPanelShown = false;
    s.tutorialPanelClosing = true; // still fading out
    EXPECT_TRUE(enemiesHiddenByTutorial(s));
}

} // namespace

#include "leveleditor/arrow_repeat.hpp"
#include "leveleditor/level_document.hpp"
#include "leveleditor/placement.hpp"

#include <gtest/gtest.h>

using namespace leveleditor;

TEST(LevelEditorFields, RefuseWhatIsNotADigitStringOrOutOfRange) {
    for (const char* text : {"12a", "-5", "", " 5", "5.0", "+7"}) {
        EXPECT_EQ(checkField(Field::x, text).verdict, FieldVerdict::notNumber) << text;
    }
    EXPECT_EQ(checkField(Field::x, "864").verdict, FieldVerdict::accepted);
    EXPECT_EQ(checkField(Field::x, "865").verdict, FieldVerdict::outOfRange);
    EXPECT_EQ(checkField(Field::y, "768").verdict, FieldVerdict::accepted);
    EXPECT_EQ(checkField(Field::y, "769").verdict, FieldVerdict::outOfRange);
    EXPECT_EQ(checkField(Field::angle, "359").verdict, FieldVerdict::accepted);
    EXPECT_EQ(checkField(Field::angle, "360").verdict, FieldVerdict::outOfRange);
    EXPECT_EQ(checkField(Field::x, "99999999999999999999").verdict, FieldVerdict::outOfRange);
    EXPECT_EQ(checkField(Field::x, "000000000000000007").value, 7);
}

TEST(LevelEditorSteps, TimeCarriesOverWholeMinutes) {
    common::LevelRecord level = LevelDocument::emptyLevel();
    level.minutes = 3;
    level.seconds = 59;
    stepTimeUp(level);
    EXPECT_EQ(level.minutes, 4);
    EXPECT_EQ(level.seconds, 0);
    stepTimeDown(level);
    EXPECT_EQ(level.minutes, 3);
    EXPECT_EQ(level.seconds, 59);
    level.minutes = 0;
    level.seconds = 0;
    stepTimeDown(level);
    EXPECT_EQ(level.seconds, 1);
    stepTimeDown(level);
    EXPECT_EQ(level.minutes, 0);
    EXPECT_EQ(level.seconds, 1);
}

TEST(LevelEditorSteps, ArrowRepeatStartsAtOnceAndAccelerates) {
    ArrowRepeat repeat;
    std::vector<std::uint32_t> stepTicks;
    repeat.press(ArrowRepeat::bubblesUp);
    for (std::uint32_t tick = 5000; tick < 15000; ++tick) {
        if (!repeat.due(tick).empty()) {
            stepTicks.push_back(tick);
        }
    }
    ASSERT_GT(stepTicks.size(), 100u);
    EXPECT_EQ(stepTicks[0], 5000u);
    EXPECT_EQ(stepTicks[1] - stepTicks[0], 100u); // strictly more than 99 ms
    EXPECT_EQ(stepTicks[2] - stepTicks[1], 99u);
    EXPECT_EQ(stepTicks.back() - stepTicks[stepTicks.size() - 2], 21u); // the floor of 20 ms
    // A release restarts the slow pace, and a new press steps at once.
    repeat.release(ArrowRepeat::bubblesUp, 15000);
    repeat.press(ArrowRepeat::timeDown);
    EXPECT_EQ(repeat.due(15000), std::vector<ArrowRepeat::Arrow>{ArrowRepeat::timeDown});
    EXPECT_TRUE(repeat.due(15099).empty());
    EXPECT_FALSE(repeat.due(15100).empty());
    // A click let go before any frame still steps once.
    repeat.release(ArrowRepeat::timeDown, 15110);
    repeat.press(ArrowRepeat::bubblesDown);
    repeat.release(ArrowRepeat::bubblesDown, 15110);
    EXPECT_EQ(repeat.due(15110), std::vector<ArrowRepeat::Arrow>{ArrowRepeat::bubblesDown});
    EXPECT_TRUE(repeat.due(15300).empty());
}

TEST(LevelEditorPlacement, GrabsTheTopmostObjectOncePerPress) {
    common::LevelRecord level = LevelDocument::emptyLevel();
    level.map = 1;
    appendEnemy(level, 2);
    appendEnemy(level, 2); // both over the fly at the centre
    Placement placement;
    auto outcome = placement.step(level, true, 400, 300, 0);
    EXPECT_EQ(outcome.selectItem, 2);
    // Moving over the other enemy while held grabs nothing new.
    outcome = placement.step(level, true, 420, 310, 0);
    EXPECT_FALSE(outcome.selectItem);
    EXPECT_FLOAT_EQ(level.enemies[1].x, 420);
    EXPECT_FLOAT_EQ(level.enemies[0].x, 400);
    placement.step(level, false, 420, 310, 0);
    EXPECT_FALSE(placement.grabInProgress());
    // Pressing beside every object and then moving onto the fly grabs the fly.
    outcome = placement.step(level, true, 10, 10, 0);
    EXPECT_FALSE(outcome.selectItem);
    level.enemyCount = 0;
    outcome = placement.step(level, true, 390, 290, 0);
    EXPECT_EQ(outcome.selectItem, 0);
    EXPECT_TRUE(outcome.flyGrabbed);
}

TEST(LevelEditorPlacement, RotationWrapsAtTheFullCircle) {
    common::LevelRecord level = LevelDocument::emptyLevel();
    level.map = 1;
    appendEnemy(level, 1);
    level.enemies[0].angle = 355;
    Placement placement;
    placement.step(level, true, 470, 330, 0); // on the handle: 460..480 x 320..340
    EXPECT_EQ(level.enemies[0].angle, 355);
    EXPECT_EQ(placement.step(level, true, 470, 331, 1).shownAngle, 360);
    EXPECT_EQ(placement.step(level, true, 470, 340, 9).shownAngle, 5);
    placement.step(level, false, 470, 340, 0);
    level.enemies[0].angle = 0;
    placement.step(level, true, 470, 330, 0);
    EXPECT_EQ(placement.step(level, true, 470, 329, -1).shownAngle, 355);
}

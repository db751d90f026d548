#include "editor_fixture.hpp"

#include "engine/engine.hpp"
#include "leveleditor/map_view.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

class LevelEditorView : public EditorTest {
  protected:
    // A map with one enemy of the kind, moved to (x, y) view units through the fields.
    void mapWithEnemy(int kind, int fieldX, int fieldY) {
        startEnglish();
        chooseMap(1);
        addEnemy(kind);
        typeInto("Text1", QString::number(fieldX));
        typeInto("Text2", QString::number(fieldY));
    }
};

TEST_F(LevelEditorView, DraggingTheFlyStopsAtThePlayableEdge) {
    startEnglish();
    chooseMap(1);
    dragInView({400, 300}, {{500, 300}, {790, 310}});
    const auto& level = window->document().level;
    EXPECT_FLOAT_EQ(level.flyX, 675.0f);
    EXPECT_FLOAT_EQ(level.flyY, 310.0f);
    EXPECT_EQ(fieldText("Text1"), "864");
    EXPECT_EQ(fieldText("Text2"), "397");
    EXPECT_EQ(fieldText("Text3"), "0");
    // The grab offset is kept: a press beside the centre moves the fly by the movement only.
    dragInView({650, 280}, {{100, 10}});
    EXPECT_FLOAT_EQ(level.flyX, 125.0f);
    EXPECT_FLOAT_EQ(level.flyY, 40.0f);
    EXPECT_TRUE(window->document().changed);
}

TEST_F(LevelEditorView, PressOnTheWaspsEdgeGrabsTheBodyNotTheHandle) {
    mapWithEnemy(1, 384, 256); // (300, 200) view units
    selectItem(0);
    dragInView({360, 230}, {{370, 240}});
    const auto& enemy = window->document().level.enemies[0];
    EXPECT_FLOAT_EQ(enemy.x, 310.0f);
    EXPECT_FLOAT_EQ(enemy.y, 210.0f);
    EXPECT_EQ(enemy.angle, 0);
    EXPECT_EQ(child<QListWidget>("List1")->currentRow(), 1);
    EXPECT_TRUE(child<QLineEdit>("Text3")->isEnabled());
    EXPECT_EQ(fieldText("Text1"), "397");
}

TEST_F(LevelEditorView, TheLastEnemyIsGrabbedBeforeEarlierOnesAndTheFly) {
    startEnglish();
    chooseMap(1);
    addEnemy(2);
    addEnemy(3);
    selectItem(0);
    dragInView({400, 300}, {{420, 300}});
    const auto& level = window->document().level;
    EXPECT_FLOAT_EQ(level.enemies[1].x, 420.0f);
    EXPECT_FLOAT_EQ(level.enemies[0].x, 400.0f);
    EXPECT_FLOAT_EQ(level.flyX, 400.0f);
    EXPECT_EQ(child<QListWidget>("List1")->currentRow(), 2);
}

TEST_F(LevelEditorView, TheHandleTurnsByFiveDegreesPerFrameOfMovement) {
    mapWithEnemy(1, 384, 256);
    typeInto("Text3", "355");
    // The handle is 360..380 x 220..240.
    dragInView({370, 225}, {{370, 230}, {370, 236}});
    EXPECT_EQ(window->document().level.enemies[0].angle, 5);
    EXPECT_EQ(fieldText("Text3"), "5");
    typeInto("Text3", "355");
    QWidget* view = window->mapView();
    QTest::mousePress(view, Qt::LeftButton, {}, {370, 225});
    frames(1);
    QTest::mouseMove(view, {370, 229});
    frames(1);
    EXPECT_EQ(fieldText("Text3"), "360");
    QTest::mouseMove(view, {370, 231});
    frames(1);
    EXPECT_EQ(fieldText("Text3"), "5");
    frames(1); // no movement, no turn
    EXPECT_EQ(fieldText("Text3"), "5");
    QTest::mouseMove(view, {371, 220});
    frames(1);
    EXPECT_EQ(fieldText("Text3"), "0");
    QTest::mouseRelease(view, Qt::LeftButton, {}, {371, 220});
    frames(1);
    EXPECT_FLOAT_EQ(window->document().level.enemies[0].x, 300.0f);
}

TEST_F(LevelEditorView, AClickShorterThanAFrameStillSelects) {
    mapWithEnemy(2, 384, 256);
    selectItem(0);
    QTest::mouseClick(window->mapView(), Qt::LeftButton, {}, QPoint(300, 200));
    frames(2);
    EXPECT_EQ(child<QListWidget>("List1")->currentRow(), 1);
    EXPECT_FLOAT_EQ(window->document().level.enemies[0].x, 300.0f);
}

TEST_F(LevelEditorView, TheMouseIsIgnoredWithoutAMapAndWhileChoosingAKind) {
    startEnglish();
    dragInView({400, 300}, {{100, 100}});
    EXPECT_FLOAT_EQ(window->document().level.flyX, 400.0f);
    EXPECT_FALSE(window->document().changed);
    chooseMap(1);
    click("Command5");
    dragInView({400, 300}, {{100, 100}});
    EXPECT_FLOAT_EQ(window->document().level.flyX, 400.0f);
}

} // namespace

#include "editor_fixture.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using leveleditor::Language;

namespace {

class LevelEditorEditing : public EditorTest {};

TEST_F(LevelEditorEditing, StartsEmptyInTheLanguageOfTheOptionsFile) {
    startCzech();
    EXPECT_EQ(window->windowTitle(), "Brimzel - Level editor");
    EXPECT_EQ(window->size(), QSize(976, 600));
    EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), -1);
    EXPECT_TRUE(listItems("List1").isEmpty());
    EXPECT_EQ(labelText("Label5"), "00");
    EXPECT_EQ(labelText("Label6"), "00:00");
    EXPECT_EQ(child<QPushButton>("Command5")->text(), "Přidat nepřítele");
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
    for (const char* name : {"Text1", "Text2", "Text3", "Check1", "Command2", "Command3"}) {
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(child<QListWidget>("List2")->isVisible());
}

TEST_F(LevelEditorEditing, ChoosingAMapAddsTheFlyAndShowsItsPosition) {
    startEnglish();
    chooseMap(3);
    EXPECT_EQ(window->document().level.map, 3);
    EXPECT_EQ(listItems("List1"), QStringList{"0. Fly"});
    EXPECT_EQ(child<QListWidget>("List1")->currentRow(), 0);
    EXPECT_EQ(fieldText("Text1"), "512");
    EXPECT_EQ(fieldText("Text2"), "384");
    EXPECT_EQ(fieldText("Text3"), "0");
    EXPECT_TRUE(child<QLineEdit>("Text1")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("Text3")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>("Check1")->isEnabled());
    EXPECT_TRUE(window->document().changed);
    // A second map keeps the one fly item.
    chooseMap(5);
    EXPECT_EQ(listItems("List1"), QStringList{"0. Fly"});
}

TEST_F(LevelEditorEditing, TypedCoordinatesAreStoredInViewUnits) {
    startEnglish();
    chooseMap(1);
    addEnemy(1);
    EXPECT_EQ(listItems("List1"), (QStringList{"0. Fly", "1. Wasp"}));
    EXPECT_EQ(fieldText("Text1"), "512");
    EXPECT_EQ(fieldText("Text3"), "0");
    typeInto("Text1", "500");
    EXPECT_FLOAT_EQ(window->document().level.enemies[0].x, 390.625f);
    typeAndLeave("Text3", "90", "Text2");
    EXPECT_EQ(window->document().level.enemies[0].angle, 90);
    selectItem(0);
    EXPECT_EQ(fieldText("Text1"), "512");
    EXPECT_FALSE(child<QLineEdit>("Text3")->isEnabled());
    selectItem(1);
    EXPECT_EQ(fieldText("Text1"), "500");
    EXPECT_EQ(fieldText("Text3"), "90");
    EXPECT_TRUE(dialogs.notices.isEmpty());
}

TEST_F(LevelEditorEditing, RefusedValuesGiveTheirMessageAndShowTheValueAgain) {
    startEnglish();
    chooseMap(1);
    addEnemy(2);
    struct Case {
        const char* field;
        const char* typed;
        const char* message;
    };
    for (const Case& c :
         {Case{"Text1", "12a", "Enter only numbers"}, Case{"Text1", "-5", "Enter only numbers"},
          Case{"Text1", "", "Enter only numbers"},
          Case{"Text1", "865", "You can enter the axis from 0 to 864"},
          Case{"Text2", "769", "You can enter the axis from 0 to 768"},
          Case{"Text3", "360", "You can enter the angle from 0 to 360"}}) {
        dialogs.notices.clear();
        typeInto(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(dialogs.notices, QStringList{QString::fromLatin1(c.message)}) << c.typed;
        const QString shown = QString::fromLatin1(c.field) == "Text3"   ? "0"
                              : QString::fromLatin1(c.field) == "Text1" ? "512"
                                                                        : "384";
        EXPECT_EQ(fieldText(c.field), shown) << c.typed;
    }
    EXPECT_FLOAT_EQ(window->document().level.enemies[0].x, 400.0f);
    EXPECT_FLOAT_EQ(window->document().level.enemies[0].y, 300.0f);
    EXPECT_EQ(window->document().level.enemies[0].angle, 0);
    // Leaving the field checks it as Enter does; in Czech the message is Czech.
    child<QRadioButton>("Option1")->click();
    dialogs.notices.clear();
    typeAndLeave("Text2", "12a", "Text1");
    EXPECT_EQ(dialogs.notices, QStringList{"Zadávajte pouze čísla"});
    EXPECT_EQ(fieldText("Text2"), "384");
}

TEST_F(LevelEditorEditing, HeldArrowsCountUpAndDownToTheirEnds) {
    startEnglish();
    holdArrow("Label9", 5); // no map: the arrows do nothing
    EXPECT_EQ(labelText("Label5"), "00");
    chooseMap(2);
    holdArrow("Label9", 800);
    EXPECT_EQ(window->document().level.bubbles, 99);
    EXPECT_EQ(labelText("Label5"), "99");
    holdArrow("Label10", 800);
    EXPECT_EQ(window->document().level.bubbles, 1);
    EXPECT_EQ(labelText("Label5"), "01");
    holdArrow("Label12", 3);
    EXPECT_EQ(labelText("Label6"), "00:01");
    // A short press steps once.
    holdArrow("Label11", 1);
    EXPECT_EQ(labelText("Label6"), "00:02");
}

TEST_F(LevelEditorEditing, AHeldArrowStepsByTheTimeElapsedNotByTheFrames) {
    msPerFrame = 16; // the frame timer's pace, slower than the arrow's fastest step
    startEnglish();
    chooseMap(1);
    holdArrow("Label9", 5000 / 16 + 1);
    // At once, then after 100, 99, ... 21 ms, then every 21 ms: 88 steps in five seconds.
    EXPECT_NEAR(window->document().level.bubbles, 88, 1);
}

TEST_F(LevelEditorEditing, TimeArrowsStopAt9959And0001) {
    startEnglish(1);
    writeLevel(tree->userLevel(1), 4, 5, 99, 58);
    openFile(tree->userLevel(1));
    EXPECT_EQ(labelText("Label6"), "99:58");
    holdArrow("Label11", 50);
    EXPECT_EQ(labelText("Label6"), "99:59");
    writeLevel(tree->userLevel(1), 4, 5, 1, 0);
    dialogs.answers.push_back(leveleditor::Answer::no); // the held arrow changed the level
    openFile(tree->userLevel(1));
    holdArrow("Label12", 1);
    EXPECT_EQ(labelText("Label6"), "00:59");
    holdArrow("Label12", 800);
    EXPECT_EQ(labelText("Label6"), "00:01");
    EXPECT_EQ(window->document().level.minutes, 0);
    EXPECT_EQ(window->document().level.seconds, 1);
}

TEST_F(LevelEditorEditing, SaveAsIsEnabledOnceMapBubblesAndTimeAreSet) {
    startEnglish();
    chooseMap(1);
    holdArrow("Label9", 1);
    frames(1);
    EXPECT_FALSE(child<QPushButton>("Command3")->isEnabled());
    holdArrow("Label11", 1);
    frames(1);
    EXPECT_TRUE(child<QPushButton>("Command3")->isEnabled());
}

TEST_F(LevelEditorEditing, DeletingAnEnemyRenumbersTheList) {
    startEnglish();
    chooseMap(1);
    for (int kind : {1, 2, 3, 4}) {
        addEnemy(kind);
    }
    selectItem(0);
    click("Command6");
    EXPECT_EQ(dialogs.notices, QStringList{"Cannot delete a fly"});
    selectItem(2);
    click("Command6");
    EXPECT_EQ(listItems("List1"), (QStringList{"0. Fly", "1. Wasp", "2. Dragonfly", "3. Hornet"}));
    EXPECT_EQ(child<QListWidget>("List1")->currentRow(), 0);
    const auto& level = window->document().level;
    ASSERT_EQ(level.enemyCount, 3);
    EXPECT_EQ(level.enemies[1].kind, 3);
    EXPECT_EQ(level.enemies[3].kind, 0);
    child<QListWidget>("List1")->setCurrentRow(-1);
    click("Command6");
    EXPECT_EQ(dialogs.notices.last(), "Cannot delete unselected enemy");
}

TEST_F(LevelEditorEditing, LanguageSwitchRewritesCaptionsAndItems) {
    startEnglish();
    chooseMap(6);
    addEnemy(1);
    addEnemy(2);
    QTest::mouseClick(child<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_EQ(window->language(), Language::czech);
    EXPECT_EQ(listItems("List1"), (QStringList{"0. Moucha", "1. Vosa", "2. Komár"}));
    EXPECT_EQ(listItems("List2"), (QStringList{"Vosa", "Komár", "Vážka", "Sršeň"}));
    EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), "Mapa 6");
    EXPECT_EQ(labelText("Label2"), "Nepřítel X:");
    EXPECT_EQ(labelText("Label8"), "Čas:");
    EXPECT_EQ(child<QCheckBox>("Check1")->text(), "Zobrazit mapu jako masku");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "Konec");
    QTest::mouseClick(child<QRadioButton>("Option2"), Qt::LeftButton);
    EXPECT_EQ(listItems("List1"), (QStringList{"0. Fly", "1. Wasp", "2. Gnat"}));
    EXPECT_EQ(child<QPushButton>("Command9")->text(), "Cancel");
    EXPECT_EQ(window->document().level.map, 6);
}

TEST_F(LevelEditorEditing, KindChooserDisablesTheEditorUntilOkOrCancel) {
    startEnglish();
    click("Command5");
    EXPECT_EQ(dialogs.notices, QStringList{"Select a map first"});
    EXPECT_FALSE(child<QListWidget>("List2")->isVisible());
    chooseMap(1);
    click("Command5");
    EXPECT_TRUE(child<QListWidget>("List2")->isVisible());
    EXPECT_TRUE(child<QPushButton>("Command8")->isVisible());
    for (const char* name : {"Combo1", "List1", "Text1", "Check1", "Label9", "Option1", "Command1",
                             "Command5", "Command7"}) {
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    }
    click("Command9");
    EXPECT_EQ(window->document().level.enemyCount, 0);
    EXPECT_TRUE(child<QWidget>("Combo1")->isEnabled());
    EXPECT_FALSE(child<QWidget>("Text3")->isEnabled()); // the fly is still selected
    for (int i = 0; i < 10; ++i) {
        addEnemy(4);
    }
    EXPECT_EQ(listItems("List1").last(), "10. Hornet");
    click("Command5");
    EXPECT_EQ(dialogs.notices.last(), "Cannot add more than 10 enemies");
    EXPECT_FALSE(child<QListWidget>("List2")->isVisible());
    EXPECT_EQ(window->document().level.enemyCount, 10);
}

} // namespace

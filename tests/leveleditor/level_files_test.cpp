#include "editor_fixture.hpp"

#include "common/level_record.hpp"
#include "engine/engine.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <fstream>

using leveleditor::Answer;

namespace {

class LevelEditorFiles : public EditorTest {
  protected:
    // A level with map, bubbles and time, ready to be saved.
    void makeSavableLevel(int map = 2) {
        chooseMap(map);
        holdArrow("Label9", 1);
        holdArrow("Label11", 1);
        frames(1);
    }
    std::string fileText(const std::filesystem::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void writeFile(const std::filesystem::path& file, const std::string& bytes) const {
        std::ofstream(file, std::ios::binary) << bytes;
    }
};

TEST_F(LevelEditorFiles, SaveAsWritesTheNextUserLevelAndTheCountAtTheEnd) {
    startEnglish(3);
    makeSavableLevel();
    addEnemy(1);
    typeInto("Text1", "500");
    click("Command3");
    EXPECT_EQ(dialogs.notices, QStringList{"Saved as levels\\user\\level4.lev"});
    ASSERT_TRUE(std::filesystem::exists(tree->userLevel(4)));
    EXPECT_TRUE(child<QPushButton>("Command2")->isEnabled());
    EXPECT_FALSE(window->document().changed);
    EXPECT_EQ(window->userLevelCount(), 4);
    const auto lines = TestTree::readLines(tree->userLevel(4));
    EXPECT_EQ(lines[0], ">> Brimzel User Level File <<");
    EXPECT_EQ(lines[11], "enemyx:500");
    // The options file is written at the end only, and only its line 9: what another program
    // wrote meanwhile stays.
    EXPECT_EQ(TestTree::readLines(tree->optionsFile())[8], "UserLevels:3");
    auto disk = TestTree::readLines(tree->optionsFile());
    disk[1] = "GameMode:Window";
    TestTree::writeLines(tree->optionsFile(), disk);
    click("Command3");
    EXPECT_TRUE(std::filesystem::exists(tree->userLevel(5)));
    click("Command1");
    EXPECT_FALSE(window->isRunning());
    const auto after = TestTree::readLines(tree->optionsFile());
    ASSERT_EQ(after.size(), 31u);
    EXPECT_EQ(after[8], "UserLevels:5");
    EXPECT_EQ(after[1], "GameMode:Window");
    EXPECT_EQ(after[2], "GameLanguage:en");
}

TEST_F(LevelEditorFiles, ASavedLevelPlaysAsTheGamesLevel17) {
    startEnglish(0);
    makeSavableLevel(8);
    addEnemy(3);
    typeInto("Text1", "500");
    typeInto("Text2", "384");
    typeInto("Text3", "90");
    click("Command3");
    auto play = common::readLevelFileForPlay(common::levelFilePath(tree->root(), 1, true));
    ASSERT_TRUE(play.ok()) << play.message();
    EXPECT_EQ(play.value().mapNumber, 8);
    EXPECT_DOUBLE_EQ(play.value().flyX, 512);
    EXPECT_DOUBLE_EQ(play.value().gravityX, 412);
    EXPECT_EQ(play.value().bubblesTotal, 1);
    EXPECT_EQ(play.value().seconds, 1);
    ASSERT_EQ(play.value().enemyCount, 1);
    EXPECT_EQ(play.value().enemyKind[0], 3);
    EXPECT_DOUBLE_EQ(play.value().enemyX[0], 500);
    EXPECT_DOUBLE_EQ(play.value().enemyY[0], 384);
    EXPECT_DOUBLE_EQ(play.value().enemyAngle[0], 90);
}

TEST_F(LevelEditorFiles, SaveAsRefusesWithoutBubblesTimeOrRoom) {
    startEnglish(16);
    makeSavableLevel();
    click("Command3");
    EXPECT_EQ(dialogs.notices, QStringList{"Cannot save more than 16 user levels"});
    EXPECT_TRUE(window->document().changed);
    EXPECT_FALSE(std::filesystem::exists(tree->userLevel(17)));

    // End with a refused save keeps the editor open.
    dialogs.answers = {Answer::yes};
    click("Command1");
    EXPECT_TRUE(window->isRunning());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LevelEditorFiles, TheSaveQuestionBeforeNewOpenAndEnd) {
    startCzech(0);
    makeSavableLevel();
    // Cancel: nothing happens.
    dialogs.answers = {Answer::cancel};
    click("Command7");
    EXPECT_EQ(dialogs.questions, QStringList{"Uložit předchozí změny do nového souboru levelu?"});
    EXPECT_EQ(window->document().level.map, 2);
    // Yes: saved, the level stays on screen; a second New then resets without asking.
    dialogs.answers = {Answer::yes};
    click("Command7");
    EXPECT_TRUE(std::filesystem::exists(tree->userLevel(1)));
    EXPECT_EQ(window->document().level.map, 2);
    click("Command7");
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(window->document().level.map, 0);
    EXPECT_TRUE(listItems("List1").isEmpty());
    EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), -1);
    EXPECT_FALSE(child<QPushButton>("Command3")->isEnabled());
    // No before Open: the dialog opens in the user level folder with the level filter.
    chooseMap(4);
    dialogs.answers = {Answer::no};
    click("Command4");
    ASSERT_EQ(dialogs.fileDialogFolders.size(), 1);
    EXPECT_EQ(std::filesystem::path(dialogs.fileDialogFolders[0].toStdString()),
              tree->root() / "levels" / "user");
    EXPECT_TRUE(dialogs.fileDialogFilters[0].startsWith("Soubory levelů (*.lev)"));
    // The close box asks too; Cancel keeps the editor open, No ends it. A value typed and not
    // yet entered is taken first.
    auto* text1 = child<QLineEdit>("Text1");
    text1->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(text1, "128");
    dialogs.answers = {Answer::cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isRunning());
    EXPECT_FLOAT_EQ(window->document().level.flyX, 100.0f);
    dialogs.answers = {Answer::no};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(TestTree::readLines(tree->optionsFile())[8], "UserLevels:1");
}

TEST_F(LevelEditorFiles, OpeningALevelFillsTheEditor) {
    startEnglish(1);
    writeLevel(tree->userLevel(1), 7, 12, 2, 5, {4, 1});
    openFile(tree->userLevel(1));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), "Map 7");
    EXPECT_EQ(listItems("List1"), (QStringList{"0. Fly", "1. Hornet", "2. Wasp"}));
    EXPECT_EQ(labelText("Label5"), "12");
    EXPECT_EQ(labelText("Label6"), "02:05");
    EXPECT_EQ(fieldText("Text1"), "128");
    EXPECT_TRUE(child<QPushButton>("Command2")->isEnabled());
    EXPECT_FALSE(window->document().changed);
    EXPECT_EQ(window->document().userLevelNumber, 1);
    // A built-in level opens but cannot be deleted; saved, it becomes a user level.
    std::filesystem::create_directories(tree->root() / "levels");
    common::LevelRecord builtIn;
    builtIn.map = 3;
    builtIn.flyX = 500;
    builtIn.flyY = 400;
    builtIn.bubbles = 4;
    builtIn.minutes = 1;
    ASSERT_TRUE(
        common::writeBuiltInLevelFile(tree->root() / "levels" / "level3.lev", builtIn).ok());
    openFile(tree->root() / "levels" / "level3.lev");
    EXPECT_FALSE(child<QPushButton>("Command2")->isEnabled());
    EXPECT_EQ(fieldText("Text1"), "500");
    click("Command3");
    EXPECT_EQ(TestTree::readLines(tree->userLevel(2))[0], ">> Brimzel User Level File <<");
    EXPECT_TRUE(child<QPushButton>("Command2")->isEnabled());
}

TEST_F(LevelEditorFiles, ADamagedOrMisnamedFileChangesNothing) {
    startEnglish(1);
    writeLevel(tree->userLevel(1), 5, 3, 0, 30, {2});
    openFile(tree->userLevel(1));
    const auto before = window->document().level;
    const std::string good = fileText(tree->userLevel(1));
    const auto dir = tree->root() / "levels" / "user";

    writeFile(dir / "mylevel.lev", good);
    writeFile(dir / "level.lev", good);
    writeFile(dir / "level2.txt", good);
    writeFile(dir / "level5.lev", good.substr(0, good.size() / 2)); // ends early
    std::string notNumber = good;
    notNumber.replace(notNumber.find("bubbles:3"), 9, "bubbles:x");
    writeFile(dir / "level6.lev", notNumber);
    std::string wrongHeader = good;
    wrongHeader.replace(0, 3, "<< ");
    writeFile(dir / "level7.lev", wrongHeader);
    for (const char* name :
         {"mylevel.lev", "level.lev", "level2.txt", "level5.lev", "level6.lev", "level7.lev"}) {
        dialogs.notices.clear();
        openFile(dir / name);
        EXPECT_EQ(dialogs.notices, QStringList{"Level file is damaged or not correct"}) << name;
        EXPECT_EQ(window->document().level.bubbles, before.bubbles) << name;
        EXPECT_EQ(window->document().filePath, tree->userLevel(1)) << name;
    }
    EXPECT_EQ(listItems("List1"), (QStringList{"0. Fly", "1. Gnat"}));
    EXPECT_EQ(window->document().level.map, 5);
    EXPECT_TRUE(child<QPushButton>("Command2")->isEnabled());
}

TEST_F(LevelEditorFiles, DeletingALevelRenumbersTheLaterOnes) {
    startEnglish(4);
    for (int n = 1; n <= 4; ++n) {
        writeLevel(tree->userLevel(n), n, n, 1, 0);
    }
    const std::string third = fileText(tree->userLevel(3));
    const std::string fourth = fileText(tree->userLevel(4));
    openFile(tree->userLevel(2));
    // Any answer but Yes keeps the file and forgets the changes.
    holdArrow("Label9", 1);
    dialogs.answers = {Answer::no};
    click("Command2");
    EXPECT_EQ(dialogs.questions.last(), "Really delete this level?");
    EXPECT_TRUE(std::filesystem::exists(tree->userLevel(2)));
    EXPECT_FALSE(window->document().changed);

    dialogs.answers = {Answer::yes};
    click("Command2");
    EXPECT_EQ(fileText(tree->userLevel(2)), third);
    EXPECT_EQ(fileText(tree->userLevel(3)), fourth);
    EXPECT_FALSE(std::filesystem::exists(tree->userLevel(4)));
    EXPECT_EQ(window->userLevelCount(), 3);
    EXPECT_EQ(window->document().level.map, 0);
    EXPECT_FALSE(child<QPushButton>("Command2")->isEnabled());
    click("Command1"); // nothing changed: no question
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(TestTree::readLines(tree->optionsFile())[8], "UserLevels:3");
}

TEST_F(LevelEditorFiles, AFailedRenameIsReportedAndTheCountFollowsTheFiles) {
    startEnglish(4);
    for (int n : {1, 2, 4}) { // level3.lev has gone missing
        writeLevel(tree->userLevel(n), 1, 1, 1, 0);
    }
    openFile(tree->userLevel(2));
    dialogs.answers = {Answer::yes};
    click("Command2");
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains("levels/user/level3.lev"))
        << dialogs.notices[0].toStdString();
    EXPECT_EQ(window->userLevelCount(), 1);
    EXPECT_FALSE(std::filesystem::exists(tree->userLevel(2)));
}

TEST_F(LevelEditorFiles, AFailedDeleteKeepsTheLevelAndTheCount) {
    startEnglish(2);
    writeLevel(tree->userLevel(1), 1, 1, 1, 0);
    writeLevel(tree->userLevel(2), 1, 1, 1, 0);
    openFile(tree->userLevel(1));
    // A folder in the file's place cannot be removed as a file.
    std::filesystem::remove(tree->userLevel(1));
    std::filesystem::create_directories(tree->userLevel(1) / "inside");
    dialogs.answers = {Answer::yes};
    click("Command2");
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].startsWith("Cannot delete the file levels/user/level1.lev"));
    EXPECT_EQ(window->userLevelCount(), 2);
    EXPECT_TRUE(std::filesystem::exists(tree->userLevel(2)));
    EXPECT_EQ(window->document().level.map, 1);
}

TEST_F(LevelEditorFiles, AUserLevelOutsideTheCountCannotBeDeleted) {
    startEnglish(1);
    writeLevel(tree->userLevel(1), 1, 1, 1, 0);
    writeLevel(tree->userLevel(3), 1, 1, 1, 0);
    openFile(tree->userLevel(3));
    EXPECT_FALSE(child<QPushButton>("Command2")->isEnabled());
    const auto elsewhere = tree->root() / "level1.lev";
    writeLevel(elsewhere, 1, 1, 1, 0);
    openFile(elsewhere);
    EXPECT_FALSE(child<QPushButton>("Command2")->isEnabled());
}

TEST_F(LevelEditorFiles, AMissingOrShortOptionsFileIsReportedAndLeftAlone) {
    startWithoutOptions();
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains("The options file is missing or incomplete"));
    EXPECT_EQ(window->language(), leveleditor::Language::czech);
    EXPECT_EQ(window->userLevelCount(), 0);
    makeSavableLevel();
    click("Command3");
    EXPECT_TRUE(std::filesystem::exists(tree->userLevel(1)));
    click("Command1");
    EXPECT_FALSE(window->isRunning());
    EXPECT_FALSE(std::filesystem::exists(tree->optionsFile()));
}

TEST_F(LevelEditorFiles, AnUnreadableCountIsTakenFromTheLevelFiles) {
    for (int n : {1, 2, 4}) { // the gap ends the numbering
        writeLevel(tree->userLevel(n), 3, 7, 1, 0);
    }
    startWithoutOptions();
    EXPECT_EQ(window->userLevelCount(), 2);
    makeSavableLevel();
    click("Command3");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.notices.back(), "Uloženo jako levels\\user\\level3.lev");
}

TEST_F(LevelEditorFiles, AnExistingUserLevelIsReplacedOnlyWhenThePlayerSaysSo) {
    writeLevel(tree->userLevel(1), 3, 7, 1, 0);
    const std::string before = fileText(tree->userLevel(1));
    startEnglish(0); // a count behind the files
    makeSavableLevel();
    dialogs.answers = {Answer::no};
    click("Command3");
    EXPECT_EQ(dialogs.questions, QStringList{"levels/user/level1.lev already exists. Replace it?"});
    EXPECT_EQ(fileText(tree->userLevel(1)), before);
    EXPECT_EQ(window->userLevelCount(), 0);
    EXPECT_TRUE(window->document().changed);
    // A refused save keeps the editor open at End.
    dialogs.answers = {Answer::yes, Answer::cancel};
    click("Command1");
    EXPECT_TRUE(window->isRunning());
    dialogs.answers = {Answer::yes};
    click("Command3");
    EXPECT_NE(fileText(tree->userLevel(1)), before);
    EXPECT_EQ(window->userLevelCount(), 1);
}

std::unique_ptr<engine::Engine> engineThatFails(const engine::DisplayConfig&, std::string& error) {
    error = "no display";
    return nullptr;
}

TEST_F(LevelEditorFiles, WithoutItsViewTheEditorSaysSoAndEnds) {
    createEngine = engineThatFails;
    const auto lines = optionLinesWith({{9, "UserLevels:2"}});
    startWith(lines);
    EXPECT_FALSE(started);
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains("The map view cannot start"));
    EXPECT_TRUE(dialogs.notices[0].contains("no display"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(TestTree::readLines(tree->optionsFile()), lines);
}

TEST_F(LevelEditorFiles, AShortOptionsFileIsNotRewritten) {
    auto lines = optionLinesWith({{3, "GameLanguage:en"}});
    lines.resize(20);
    startWith(lines);
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_EQ(window->language(), leveleditor::Language::czech);
    click("Command1");
    EXPECT_EQ(TestTree::readLines(tree->optionsFile()), lines);
}

} // namespace

#include "editor_fixture.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <fstream>

namespace {

using Lines = std::vector<std::string>;

class OptionsEditorFiles : public EditorTest {
  protected:
    bool ticked(const char* name) const { return child<QCheckBox>(name)->isChecked(); }
    QString fieldText(const char* name) const { return child<QLineEdit>(name)->text(); }
    // Saves through "Save as" under options/ and returns the lines written.
    Lines saveAs(const std::string& name) {
        dialogs.fileAnswers = {QString::fromStdString(tree.options(name).string())};
        trigger("mnuSaveAs");
        return TestTree::readLines(tree.options(name));
    }
};

TEST_F(OptionsEditorFiles, OddValuesAreShownAndWrittenBackAsTheEditorUnderstandsThem) {
    startWith(optionLinesWith({{2, "GameMode:Windowed"},
                               {4, "Music:yes"},
                               {8, "Comment:kept as it is"},
                               {9, "UserLevels:4"},
                               {10, "GamePosition:7"}}));
    EXPECT_TRUE(ticked("Check11"));  // Fullscreen
    EXPECT_FALSE(ticked("Check12")); // Window
    EXPECT_TRUE(ticked("Check8"));   // intro not shown
    EXPECT_FALSE(ticked("Check7"));
    EXPECT_TRUE(ticked("Check2")); // only "Yes" turns the music on
    EXPECT_EQ(child<QCheckBox>("Check8")->text(), QString("Nezobrazovat"));

    const Lines written = saveAs("odd.ini");
    ASSERT_EQ(written.size(), 31u);
    EXPECT_EQ(written[1], "GameMode:Fullscreen");
    EXPECT_EQ(written[3], "Music:yes"); // untouched, so written as read
    EXPECT_EQ(written[7], "Comment:kept as it is");
    EXPECT_EQ(written[8], "UserLevels:4");
    EXPECT_EQ(written[9], "GamePosition:50");
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(dialogs.fileDialogFolders.first(),
              QString::fromStdString((tree.root() / "options").string()));
    EXPECT_EQ(dialogs.fileDialogFilters.first(),
              QString("Soubory nastavení (*.ini);;Všechny soubory (*)"));
}

TEST_F(OptionsEditorFiles, NegativeEnemyValuesAreShownAsRead) {
    startWith(optionLinesWith({{11, "EnemySpeed1:-8"}, {14, "EnemyFollowTime1:-2147483648"}}));
    EXPECT_EQ(fieldText("Text1"), QString("-8"));
    EXPECT_EQ(fieldText("Text4"), QString("-2147483648"));
    EXPECT_TRUE(dialogs.notices.isEmpty());
}

TEST_F(OptionsEditorFiles, AnotherLanguageTicksEnglishKeepsTheCaptionsAndIsWrittenBack) {
    startWith(optionLinesWith({{3, "GameLanguage:de"}}));
    EXPECT_TRUE(ticked("Check10"));
    EXPECT_FALSE(ticked("Check9"));
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), QString("Nastavení ve hře"));
    EXPECT_EQ(child<QAction>("mnuSave")->text(), QString("Uložit nastavení"));
    EXPECT_EQ(saveAs("de.ini")[2], "GameLanguage:de");
    // Notices follow the captions shown rather than going blank.
    typeInto("Text1", "x");
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Return);
    EXPECT_EQ(dialogs.notices, QStringList({"Zadávajte pouze čísla"}));

    // English captions stay when a "de" file is opened after an "en" one.
    click("Check10");
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), QString("Ingame options"));
    TestTree::writeLines(tree.options("other.ini"), optionLinesWith({{3, "GameLanguage:de"}}));
    dialogs.fileAnswers = {QString::fromStdString(tree.options("other.ini").string())};
    trigger("mnuOpen");
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), QString("Ingame options"));
    EXPECT_EQ(window->data().language, "de");
}

TEST_F(OptionsEditorFiles, DeletedGnatDataIsSavedAsItsDefaultsWithOneNoticePerField) {
    startWith(optionLinesWith({{3, "GameLanguage:en"}, {16, "EnemySpeed2:40"}}));
    EXPECT_EQ(fieldText("Text6"), QString("40"));
    trigger("mnuDelete2");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    for (const char* name : {"Text6", "Text7", "Text8", "Text9", "Text10"}) {
        EXPECT_EQ(fieldText(name), QString()) << name;
    }
    const Lines written = saveAs("gnat.ini");
    EXPECT_EQ(dialogs.notices, QStringList({"Enemy: Gnat, Line: 1 empty. Setting as default",
                                            "Enemy: Gnat, Line: 2 empty. Setting as default",
                                            "Enemy: Gnat, Line: 3 empty. Setting as default",
                                            "Enemy: Gnat, Line: 4 empty. Setting as default",
                                            "Enemy: Gnat, Line: 5 empty. Setting as default"}));
    ASSERT_EQ(written.size(), 31u);
    EXPECT_EQ(Lines(written.begin() + 15, written.begin() + 20),
              Lines({"EnemySpeed2:18", "EnemyFollowSpeed2:19", "EnemyReaction2:3000",
                     "EnemyFollowTime2:5500", "EnemySleepTime2:2000"}));
    EXPECT_EQ(fieldText("Text6"), QString("18"));
}

TEST_F(OptionsEditorFiles, EmptyFieldNoticesSpeakCzechInACzechFile) {
    startWith(common::defaultOptionsLines());
    dialogs.answers = {true};
    trigger("mnuDeleteAll");
    EXPECT_EQ(dialogs.questions, QStringList({"Vymazat všechna data?"}));
    saveAs("all.ini");
    ASSERT_EQ(dialogs.notices.size(), 20);
    EXPECT_EQ(dialogs.notices[0], QString("Nepřítel: Vosa, pole: 1 nevyplněno. Nastavuji jako "
                                          "výchozí"));
    EXPECT_EQ(dialogs.notices[19], QString("Nepřítel: Sršeň, pole: 5 nevyplněno. Nastavuji jako "
                                           "výchozí"));
    EXPECT_EQ(TestTree::readLines(tree.options("all.ini")), common::defaultOptionsLines());
}

TEST_F(OptionsEditorFiles, SaveAsCurrentWritesTheGameFileAndKeepsTheDocumentAsItWas) {
    startWith(optionLinesWith({{31, "Screenshots:3"}}));
    EXPECT_TRUE(window->isUntitled());
    EXPECT_TRUE(window->isModified()); // loading changed every field
    typeInto("Text1", "12");
    // The game and the level editor moved their counters on meanwhile.
    TestTree::writeLines(tree.currentFile(),
                         optionLinesWith({{9, "UserLevels:5"}, {31, "Screenshots:9"}}));
    trigger("mnuSaveCurrent");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.fileDialogFolders.isEmpty());
    EXPECT_TRUE(window->isUntitled());
    EXPECT_TRUE(window->isModified());
    const Lines written = TestTree::readLines(tree.currentFile());
    EXPECT_EQ(written[8], "UserLevels:5");
    EXPECT_EQ(written[10], "EnemySpeed1:12");
    EXPECT_EQ(written[30], "Screenshots:9");
}

TEST_F(OptionsEditorFiles, AWrittenFileIsOneTheGameStartsFrom) {
    startWith(common::defaultOptionsLines());
    click("Check12"); // window
    click("Check10"); // English
    click("Check2");  // music off
    typeInto("Text11", "7");
    QTest::keyClick(child<QLineEdit>("Text11"), Qt::Key_Return);
    trigger("mnuSaveCurrent");
    auto options = common::readGameOptions(tree.currentFile());
    ASSERT_TRUE(options.ok()) << options.message();
    EXPECT_TRUE(options.value().windowMode);
    EXPECT_EQ(options.value().language, "en");
    EXPECT_FALSE(options.value().musicOn);
    EXPECT_TRUE(options.value().soundOn);
    EXPECT_DOUBLE_EQ(options.value().kindSpeed[2], 0.07);
    EXPECT_EQ(options.value().userLevelCount, 0);
}

TEST_F(OptionsEditorFiles, WithoutACurrentFileTheEditorSaysSoAndStillWritesAFileTheGameReads) {
    startWithoutFile();
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].startsWith("Soubor nastavení nelze přečíst."));
    EXPECT_TRUE(dialogs.notices[0].contains("Brimzel.ini"));
    EXPECT_EQ(fieldText("Text20"), QString("5000"));
    trigger("mnuSaveCurrent");
    EXPECT_EQ(TestTree::readLines(tree.currentFile()), common::defaultOptionsLines());
    EXPECT_TRUE(common::readGameOptions(tree.currentFile()).ok());
}

TEST_F(OptionsEditorFiles, RefusedFilesLeaveEveryFieldAsItWas) {
    startWith(optionLinesWith({{3, "GameLanguage:en"}, {11, "EnemySpeed1:33"}}));
    typeInto("Text2", "44");

    // A wrong first line: the Czech notice in either language.
    TestTree::writeLines(tree.options("wrong.ini"),
                         optionLinesWith({{1, "Brimzel Options File"}, {11, "EnemySpeed1:1"}}));
    dialogs.fileAnswers = {QString::fromStdString(tree.options("wrong.ini").string())};
    trigger("mnuOpen"); // modified: the question comes first, answered No
    EXPECT_EQ(dialogs.questions, QStringList({"Save changes?"}));
    EXPECT_EQ(dialogs.notices, QStringList({"Nekompletní nebo nesprávný soubor nastavení"}));

    // A current file that ends early: the notice names the missing line; no field is emptied.
    Lines shortFile = optionLinesWith({{11, "EnemySpeed1:2"}});
    shortFile.resize(20);
    TestTree::writeLines(tree.currentFile(), shortFile);
    trigger("mnuUpdate");
    ASSERT_EQ(dialogs.notices.size(), 2);
    EXPECT_TRUE(dialogs.notices[1].startsWith("Nekompletní nebo nesprávný soubor nastavení\n"));
    EXPECT_TRUE(dialogs.notices[1].contains("line 21"));

    EXPECT_EQ(fieldText("Text1"), QString("33"));
    EXPECT_EQ(fieldText("Text2"), QString("44"));
    EXPECT_EQ(fieldText("Text20"), QString("5000"));
    EXPECT_TRUE(window->isUntitled());
}

TEST_F(OptionsEditorFiles, OpenLoadsTheChosenFileButNotItsScreenshotLine) {
    startWith(optionLinesWith({{31, "Screenshots:12"}}));
    TestTree::writeLines(tree.options("kept.ini"),
                         optionLinesWith({{26, "EnemySpeed4:61"}, {31, "Screenshots:1"}}));
    dialogs.answers = {false};
    dialogs.fileAnswers = {QString::fromStdString(tree.options("kept.ini").string())};
    trigger("mnuOpen");
    EXPECT_FALSE(window->isUntitled());
    EXPECT_EQ(window->fileName(), tree.options("kept.ini"));
    EXPECT_EQ(fieldText("Text16"), QString("61"));

    typeInto("Text16", "62");
    trigger("mnuSave"); // has a name now: no dialog
    EXPECT_EQ(dialogs.fileDialogFolders.size(), 1);
    const Lines written = TestTree::readLines(tree.options("kept.ini"));
    EXPECT_EQ(written[25], "EnemySpeed4:62");
    EXPECT_EQ(written[30], "Screenshots:12");
}

TEST_F(OptionsEditorFiles, SaveKeepsWritingTheOpenedFileAfterSaveAs) {
    startWith(common::defaultOptionsLines());
    TestTree::writeLines(tree.options("mine.ini"), common::defaultOptionsLines());
    dialogs.fileAnswers = {QString::fromStdString(tree.options("mine.ini").string())};
    trigger("mnuOpen");
    saveAs("copy.ini");
    typeInto("Text1", "77");
    trigger("mnuSave");
    EXPECT_EQ(dialogs.fileDialogFolders.size(), 2); // open and save as only
    EXPECT_EQ(TestTree::readLines(tree.options("mine.ini"))[10], "EnemySpeed1:77");
    EXPECT_EQ(TestTree::readLines(tree.options("copy.ini"))[10], "EnemySpeed1:8");
}

TEST_F(OptionsEditorFiles, NewAsksToSaveThenResetsAllButTheLanguage) {
    startWith(optionLinesWith({{2, "GameMode:Window"},
                               {3, "GameLanguage:en"},
                               {5, "Sfx:No"},
                               {12, "EnemyFollowSpeed1:1"}}));
    dialogs.answers = {true};
    dialogs.fileAnswers = {QString::fromStdString(tree.options("before.ini").string())};
    trigger("mnuNew");
    EXPECT_EQ(dialogs.questions, QStringList({"Save changes?"}));
    EXPECT_EQ(TestTree::readLines(tree.options("before.ini"))[11], "EnemyFollowSpeed1:1");
    EXPECT_EQ(fieldText("Text2"), QString("16"));
    EXPECT_TRUE(ticked("Check11"));
    EXPECT_TRUE(ticked("Check3"));
    EXPECT_TRUE(ticked("Check10"));
    EXPECT_EQ(window->data().language, "en");
    EXPECT_TRUE(window->isUntitled());
    EXPECT_FALSE(window->isModified());

    trigger("mnuNew"); // nothing changed since: no question
    EXPECT_EQ(dialogs.questions.size(), 1);
}

TEST_F(OptionsEditorFiles, ClosingAsksAndEndsWhateverTheAnswerUnlessTheSaveFailed) {
    startWith(common::defaultOptionsLines());
    dialogs.answers = {false};
    trigger("mnuClose");
    EXPECT_EQ(dialogs.questions, QStringList({"Uložit změny?"}));
    EXPECT_FALSE(window->isVisible());

    window->show();
    // Yes, but the name given cannot be written: the window stays so nothing is lost.
    std::ofstream(tree.root() / "file") << "x";
    dialogs.answers = {true};
    dialogs.fileAnswers = {QString::fromStdString((tree.root() / "file" / "a.ini").string())};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].startsWith("Soubor nastavení nelze uložit."));
}

TEST_F(OptionsEditorFiles, AFailedSaveLeavesTheOldFileWhole) {
    startWith(common::defaultOptionsLines());
    typeInto("Text1", "99");
    // A folder stands where the file should go: nothing may be written in its place.
    std::filesystem::create_directory(tree.options("taken.ini"));
    dialogs.fileAnswers = {QString::fromStdString(tree.options("taken.ini").string())};
    trigger("mnuSaveAs");
    EXPECT_TRUE(std::filesystem::is_directory(tree.options("taken.ini")));
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains("taken.ini"));

    if (geteuid() != 0) { // permissions do not stop the superuser
        const Lines before = TestTree::readLines(tree.currentFile());
        std::filesystem::permissions(tree.bin(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
        trigger("mnuSaveCurrent");
        std::filesystem::permissions(tree.bin(), std::filesystem::perms::owner_all);
        EXPECT_EQ(dialogs.notices.size(), 2);
        EXPECT_EQ(TestTree::readLines(tree.currentFile()), before);
    }
    // Nothing half-written is left behind.
    for (const auto& entry : std::filesystem::directory_iterator(tree.root() / "options")) {
        EXPECT_EQ(entry.path().filename().string().front() == '.', false) << entry.path();
    }
}

} // namespace

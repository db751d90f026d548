#include "editor_fixture.hpp"

#include "optionseditor/about_window.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

class OptionsEditorEditing : public EditorTest {
  protected:
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }
    QStringList menuTexts(QMenu* menu) const {
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
            }
        }
        return texts;
    }
};

TEST_F(OptionsEditorEditing, ANonDigitIsRefusedOnEnterAndOnLeavingTheField) {
    startWith(optionLinesWith({{3, "GameLanguage:en"}, {13, "EnemyReaction1:300"}}));
    typeInto("Text3", "3o0");
    QTest::keyClick(field("Text3"), Qt::Key_Return);
    EXPECT_EQ(dialogs.notices, QStringList({"Enter only numbers"}));
    EXPECT_EQ(field("Text3")->text(), QString("300"));

    // An accepted value becomes the one a later refusal goes back to.
    typeInto("Text3", "450");
    QTest::keyClick(field("Text3"), Qt::Key_Return);
    typeInto("Text3", "-1");
    field("Text4")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialogs.notices.size(), 2);
    EXPECT_EQ(field("Text3")->text(), QString("450"));

    // An empty field is accepted; a value too long for the game to read is not.
    typeInto("Text4", "");
    field("Text5")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialogs.notices.size(), 2);
    typeInto("Text5", "1234567890");
    QTest::keyClick(field("Text5"), Qt::Key_Return);
    EXPECT_EQ(dialogs.notices.last(), QString("Enter at most 9 digits"));
    EXPECT_EQ(field("Text5")->text(), QString("1500"));
}

TEST_F(OptionsEditorEditing, TheNoticeSpeaksCzechInACzechFile) {
    startWith(common::defaultOptionsLines());
    typeInto("Text1", "8,5");
    QTest::keyClick(field("Text1"), Qt::Key_Enter);
    EXPECT_EQ(dialogs.notices, QStringList({"Zadávajte pouze čísla"}));
    EXPECT_EQ(field("Text1")->text(), QString("8"));
}

TEST_F(OptionsEditorEditing, TextStillBeingTypedIsCheckedBeforeItIsSaved) {
    startWith(common::defaultOptionsLines());
    typeInto("Text20", "12x"); // the menu is used without leaving the field
    trigger("mnuSaveCurrent");
    EXPECT_EQ(dialogs.notices, QStringList({"Zadávajte pouze čísla"}));
    EXPECT_EQ(TestTree::readLines(tree.currentFile())[29], "EnemySleepTime4:5000");
}

TEST_F(OptionsEditorEditing, EachPairActsAsTwoRadioButtons) {
    startWith(common::defaultOptionsLines());
    window->activateWindow();
    click("Check2"); // music off
    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check2")->isChecked());
    click("Check2"); // a second click keeps the choice
    EXPECT_TRUE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    click("Check6");  // alert off
    click("Check8");  // intro not shown
    click("Check12"); // window
    EXPECT_EQ(window->data().music, "No");
    EXPECT_EQ(window->data().alert, "No");
    EXPECT_EQ(window->data().sounds, "Yes");
    EXPECT_EQ(window->data().intro, 50);
    EXPECT_EQ(window->data().windowMode, "Window");
}

TEST_F(OptionsEditorEditing, ChoosingALanguageRecaptionsEverything) {
    startWith(common::defaultOptionsLines());
    QMenuBar* bar = window->menuBar();
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[0]->text(), QString("Soubor"));
    EXPECT_EQ(menuTexts(bar->actions()[0]->menu()),
              QStringList({"Nové nastavení", "Otevřít nastavení", "Uložit nastavení",
                           "Uložit nastavení jako", "Uložit nastavení jako aktuální", "Zavřít"}));
    EXPECT_EQ(menuTexts(bar->actions()[1]->menu()),
              QStringList({"Zobrazit výsledky", "Aktualizovat z atuálního nastavení",
                           "Vymazat všechna data", "Vymazat data", "Výchozí všechna data",
                           "Výchozí data"}));
    EXPECT_EQ(menuTexts(child<QMenu>("mnuDelete")),
              QStringList({"Vosa", "Komár", "Vážka", "Sršeň"}));

    click("Check10");
    EXPECT_EQ(window->data().language, "en");
    EXPECT_EQ(window->windowTitle(), QString("Brimzel - Setup"));
    EXPECT_EQ(bar->actions()[0]->text(), QString("File"));
    EXPECT_EQ(menuTexts(bar->actions()[0]->menu()),
              QStringList({"New option file", "Open option file", "Save option file",
                           "Save option file as", "Save option file as current", "Close"}));
    EXPECT_EQ(menuTexts(bar->actions()[1]->menu()),
              QStringList({"Show highscore", "Update from current option", "Delete all data",
                           "Delete data", "Default all data", "Default data"}));
    EXPECT_EQ(menuTexts(child<QMenu>("mnuDefault")),
              QStringList({"Wasp", "Gnat", "Dragonfly", "Hornet"}));
    EXPECT_EQ(menuTexts(bar->actions()[2]->menu()), QStringList({"About"}));
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QString("Others"));
    EXPECT_EQ(child<QGroupBox>("Frame5")->title(), QString("Dragonfly"));
    EXPECT_EQ(child<QLabel>("Label6")->text(), QString("Windowmode:"));
    EXPECT_EQ(child<QLabel>("Label9")->text(), QString("Reaction Speed:"));
    EXPECT_EQ(child<QCheckBox>("Check8")->text(), QString("Dont't show"));
    EXPECT_EQ(child<QPushButton>("Command1")->text(), QString("Show highscore"));

    click("Check9");
    EXPECT_EQ(child<QLabel>("Label9")->text(), QString("Rychlost reakce:"));
    EXPECT_EQ(child<QCheckBox>("Check12")->text(), QString("Okno"));
}

TEST_F(OptionsEditorEditing, DefaultsComeBackPerEnemyAtOnceAndForAllAfterTheQuestion) {
    startWith(optionLinesWith({{3, "GameLanguage:en"},
                               {11, "EnemySpeed1:1"},
                               {21, "EnemySpeed3:1"},
                               {30, "EnemySleepTime4:1"}}));
    trigger("mnuDefault3");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(field("Text11")->text(), QString("4"));
    EXPECT_EQ(field("Text15")->text(), QString("12000"));
    EXPECT_EQ(field("Text1")->text(), QString("1"));

    dialogs.answers = {false};
    trigger("mnuDefaultAll");
    EXPECT_EQ(field("Text1")->text(), QString("1"));
    dialogs.answers = {true};
    trigger("mnuDefaultAll");
    EXPECT_EQ(dialogs.questions,
              QStringList({"Set all data as default?", "Set all data as default?"}));
    EXPECT_EQ(field("Text1")->text(), QString("8"));
    EXPECT_EQ(field("Text20")->text(), QString("5000"));

    dialogs.answers = {false};
    trigger("mnuDeleteAll");
    EXPECT_EQ(field("Text20")->text(), QString("5000"));
}

TEST_F(OptionsEditorEditing, AboutDisablesTheEditorUntilItsButtonIsPressed) {
    startWith(optionLinesWith({{3, "GameLanguage:en"}}));
    trigger("mnuAbout");
    optionseditor::AboutWindow* about = window->aboutWindow();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QString("About..."));
    EXPECT_FALSE(window->isEnabled());
    QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(window->isEnabled());
}

} // namespace

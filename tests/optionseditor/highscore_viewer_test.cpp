#include "editor_fixture.hpp"

#include "common/highscore_file.hpp"
#include "common/highscore_runs.hpp"
#include "optionseditor/highscore_viewer.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <fstream>

namespace {

class OptionsEditorViewer : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        TestTree::writeTable(tree.table("highscore_1.fly"),
                             {{"Šárka", 900}, {"Petr", 700}, {"", 500}, {"Eva", 100}});
        TestTree::writeTable(
            tree.defaultTable("highscore_1.fly"),
            {{"Brimzel", 4000}, {"Moucha", 3000}, {"Vosa", 2000}, {"Komár", 1000}});
        TestTree::writeTable(tree.table("highscore_3_17.fly"),
                             {{"Jana", 333}, {"Ota", 222}, {"Ivo", 111}, {"Max", 11}});
        TestTree::writeTable(tree.table("highscore_2_2.fly"),
                             {{"Tom", 50}, {"Ben", 40}, {"Kim", 30}, {"Lu", 20}});
    }

    optionseditor::HighscoreViewer* viewer() const { return window->highscoreViewer(); }
    template <typename T> T* viewerChild(const char* name) const {
        T* found = viewer()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QStringList placeLines() const {
        QStringList lines;
        for (const char* name : {"Label3", "Label4", "Label5", "Label6"}) {
            lines << viewerChild<QLabel>(name)->text();
        }
        return lines;
    }
    void openViewer() {
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }
};

TEST_F(OptionsEditorViewer, OpensOnTheScenarioTableWithTheMainWindowDisabled) {
    startWith(common::defaultOptionsLines());
    openViewer();
    EXPECT_TRUE(viewer()->isVisible());
    EXPECT_TRUE(viewer()->isEnabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(viewerChild<QComboBox>("Combo1")->currentText(), QString("Scénář"));
    EXPECT_FALSE(viewerChild<QComboBox>("Combo2")->isEnabled());
    EXPECT_EQ(placeLines(), QStringList({"1. místo: Šárka - 900 bodů", "2. místo: Petr - 700 bodů",
                                         "3. místo:  - 500 bodů", "4. místo: Eva - 100 bodů"}));
    QTest::mouseClick(viewerChild<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(viewer()->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(dialogs.notices.isEmpty());
}

TEST_F(OptionsEditorViewer, TimeAttackUserLevelAndTheLinesKeptUntilALevelIsChosen) {
    startWith(optionLinesWith({{3, "GameLanguage:en"}}));
    openViewer();
    auto* modes = viewerChild<QComboBox>("Combo1");
    auto* levels = viewerChild<QComboBox>("Combo2");
    auto* setDefault = viewerChild<QPushButton>("Command2");
    EXPECT_EQ(modes->currentText(), QString("Scenario"));

    modes->setCurrentIndex(2);
    EXPECT_TRUE(levels->isEnabled());
    EXPECT_EQ(levels->currentIndex(), -1);
    EXPECT_FALSE(setDefault->isEnabled());
    levels->setFocus();
    QTest::keyClick(levels, Qt::Key_End); // the last entry: the user level
    EXPECT_EQ(levels->currentText(), QString("Level vlastní"));
    EXPECT_EQ(viewer()->tablePath(), tree.table("highscore_3_17.fly"));
    EXPECT_EQ(placeLines(),
              QStringList({"1. place: Jana - 333 points", "2. place: Ota - 222 points",
                           "3. place: Ivo - 111 points", "4. place: Max - 11 points"}));
    EXPECT_TRUE(setDefault->isEnabled());

    const QStringList shown = placeLines();
    modes->setCurrentIndex(1);
    EXPECT_EQ(placeLines(), shown);
    EXPECT_FALSE(setDefault->isEnabled());
    EXPECT_EQ(levels->currentIndex(), -1);
    levels->setCurrentIndex(1);
    EXPECT_EQ(placeLines().first(), QString("1. place: Tom - 50 points"));
    EXPECT_TRUE(setDefault->isEnabled());

    modes->setCurrentIndex(0); // back to the scenario: its table at once, levels locked
    EXPECT_FALSE(levels->isEnabled());
    EXPECT_EQ(levels->currentIndex(), 0);
    EXPECT_EQ(placeLines().first(), QString("1. place: Šárka - 900 points"));
    EXPECT_TRUE(setDefault->isEnabled());
    EXPECT_TRUE(dialogs.notices.isEmpty());
}

TEST_F(OptionsEditorViewer, SetAsDefaultReplacesTheTableAndShowsItAtOnce) {
    startWith(common::defaultOptionsLines());
    openViewer();
    dialogs.answers = {false};
    QTest::mouseClick(viewerChild<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(dialogs.questions, QStringList({"Opravdu přepsat původní výsledky?"}));
    EXPECT_EQ(placeLines().first(), QString("1. místo: Šárka - 900 bodů"));

    dialogs.answers = {true};
    QTest::mouseClick(viewerChild<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(placeLines(),
              QStringList({"1. místo: Brimzel - 4000 bodů", "2. místo: Moucha - 3000 bodů",
                           "3. místo: Vosa - 2000 bodů", "4. místo: Komár - 1000 bodů"}));
    EXPECT_EQ(TestTree::readLines(tree.table("highscore_1.fly")),
              TestTree::readLines(tree.defaultTable("highscore_1.fly")));
    EXPECT_TRUE(dialogs.notices.isEmpty());
}

TEST_F(OptionsEditorViewer, MissingFilesAreNamedAndNothingStaleIsShown) {
    startWith(common::defaultOptionsLines());
    openViewer();
    auto* modes = viewerChild<QComboBox>("Combo1");
    auto* levels = viewerChild<QComboBox>("Combo2");
    modes->setCurrentIndex(1);
    levels->setCurrentIndex(4); // no table highscore_2_5.fly
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].startsWith("Soubor výsledků nelze přečíst."));
    EXPECT_TRUE(dialogs.notices[0].contains("highscore_2_5.fly"));
    EXPECT_EQ(placeLines(), QStringList({"", "", "", ""}));

    // Nor is there a default copy: the table stays missing, and the notice says which file.
    dialogs.answers = {true};
    QTest::mouseClick(viewerChild<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_EQ(dialogs.notices.size(), 2);
    EXPECT_TRUE(dialogs.notices[1].contains("default/highscore_2_5.fly"));
    EXPECT_FALSE(std::filesystem::exists(tree.table("highscore_2_5.fly")));

    // A default copy brings the missing table back.
    TestTree::writeTable(tree.defaultTable("highscore_2_5.fly"),
                         {{"A", 4}, {"B", 3}, {"C", 2}, {"D", 1}});
    dialogs.answers = {true};
    QTest::mouseClick(viewerChild<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(dialogs.notices.size(), 2);
    EXPECT_EQ(placeLines().last(), QString("4. místo: D - 1 bodů"));
}

TEST_F(OptionsEditorViewer, ADamagedTableShowsItsReadableRowsAndIsSetAsideOnReset) {
    const std::vector<std::string> damaged = {"Jana", "333", "Ota", "2x2", "Ivo", "111"};
    TestTree::writeLines(tree.table("highscore_1.fly"), damaged);
    startWith(optionLinesWith({{3, "GameLanguage:en"}}));
    openViewer();
    EXPECT_EQ(placeLines(),
              QStringList({"1. place: Jana - 333 points", "2. place: Ivo - 111 points",
                           "3. place:  - 0 points", "4. place:  - 0 points"}));
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].startsWith("The highscore file is damaged"));
    EXPECT_TRUE(dialogs.notices[0].contains("line 4")) << dialogs.notices[0].toStdString();

    dialogs.answers = {true};
    QTest::mouseClick(viewerChild<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(placeLines().first(), QString("1. place: Brimzel - 4000 points"));
    EXPECT_EQ(TestTree::readLines(tree.table("highscore_1.fly.damaged")), damaged);
    EXPECT_EQ(dialogs.notices.size(), 1);
}

TEST_F(OptionsEditorViewer, ANameLongerThanTheGameTypesIsShownCutWithItAllInTheTip) {
    const std::string typed(common::kMaxHighscoreNameLength, 'm');
    TestTree::writeTable(tree.table("highscore_1.fly"),
                         {{std::string(40, 'm'), 900}, {typed, 700}, {"", 500}, {"Eva", 100}});
    startWith(optionLinesWith({{3, "GameLanguage:en"}}));
    openViewer();
    EXPECT_TRUE(dialogs.notices.isEmpty()); // not damage
    const QStringList lines = placeLines();
    EXPECT_TRUE(lines[0].startsWith("1. place: mmm")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QString::fromUtf8("m… - 900 points"))) << lines[0].toStdString();
    EXPECT_LT(lines[0].size(), QString("1. place:  - 900 points").size() + 40);
    EXPECT_EQ(viewerChild<QLabel>("Label3")->toolTip(), QString(40, 'm'));
    // A name as long as a player can type is shown whole.
    EXPECT_EQ(lines[1], QString::fromStdString("2. place: " + typed + " - 700 points"));
    EXPECT_EQ(viewerChild<QLabel>("Label4")->toolTip(), QString());
}

// Runs beside the scenario table: Šárka's whole, none for Petr, the third cut short, Eva's a
// picture; the watch program is a stub that notes what it was asked to start.
class OptionsEditorWatch : public OptionsEditorViewer {
  protected:
    void SetUp() override {
        OptionsEditorViewer::SetUp();
        const std::filesystem::path table = tree.table("highscore_1.fly");
        ASSERT_TRUE(common::enterHighscoreRun(table, 1, {"Šárka", 900},
                                              "seed 1\nframe 16 16\nexpect screenState 501\n"));
        std::ofstream(run(3), std::ios::binary)
            << common::highscoreRunHeader(table, {"", 500}) << "seed 1\nframe 16 16\nfr";
        std::ofstream(run(4), std::ios::binary) << "\x89PNG\r\n";
    }
    std::filesystem::path run(int place) const {
        return common::highscoreRunPath(tree.table("highscore_1.fly"), place);
    }
    void openWithStub(const std::vector<std::pair<int, std::string>>& optionChanges = {}) {
        startWith(optionLinesWith(optionChanges));
        viewer()->setWatchProgram(tree.bin() / "brimzel-replay",
                                  [this](const QString& program, const QStringList& arguments) {
                                      started << (QStringList{program} + arguments);
                                      return startSucceeds;
                                  });
        openViewer();
    }
    void watch(int place) {
        QTest::mouseClick(viewerChild<QPushButton>(("Watch" + std::to_string(place)).c_str()),
                          Qt::LeftButton);
    }

    QList<QStringList> started;
    bool startSucceeds = true;
};

TEST_F(OptionsEditorWatch, ARowWithARunStartsTheWatchOthersSaySoPlainly) {
    openWithStub();
    EXPECT_EQ(viewerChild<QPushButton>("Watch1")->text(), QString("Přehrát"));
    watch(1);
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0],
              QStringList({QString::fromStdString((tree.bin() / "brimzel-replay").string()),
                           "--watch", QString::fromStdString(run(1).string())}));
    EXPECT_TRUE(dialogs.notices.isEmpty());

    watch(2);
    watch(3);
    watch(4);
    EXPECT_EQ(started.size(), 1);
    ASSERT_EQ(dialogs.notices.size(), 3);
    EXPECT_EQ(dialogs.notices[0],
              QString("Tento výsledek nemá uložený záznam hry, není co přehrát."));
    EXPECT_TRUE(dialogs.notices[1].startsWith("Záznam hry tohoto výsledku je poškozený"));
    EXPECT_TRUE(dialogs.notices[1].contains("highscore_1-3.replay"))
        << dialogs.notices[1].toStdString();
    EXPECT_TRUE(dialogs.notices[2].contains("highscore_1-4.replay"));

    // A player that does not start is named.
    startSucceeds = false;
    watch(1);
    ASSERT_EQ(dialogs.notices.size(), 4);
    EXPECT_TRUE(dialogs.notices[3].startsWith("Přehrávač záznamů nelze spustit."));
    EXPECT_TRUE(dialogs.notices[3].contains("brimzel-replay"));
}

TEST_F(OptionsEditorWatch, ResettingTheTableRemovesItsRunsAndARunWithoutItsRowIsNotOffered) {
    TestTree::writeTable(tree.table("highscore_2_2.fly"),
                         {{"Tom", 50}, {"Ben", 40}, {"Kim", 30}, {"Lu", 20}});
    const std::filesystem::path otherRun =
        common::highscoreRunPath(tree.table("highscore_2_2.fly"), 1);
    ASSERT_TRUE(common::enterHighscoreRun(tree.table("highscore_2_2.fly"), 1, {"Tom", 50},
                                          "expect screenState 501\n"));
    openWithStub({{3, "GameLanguage:en"}});
    EXPECT_EQ(viewerChild<QPushButton>("Watch1")->text(), QString("Watch"));
    dialogs.answers = {true};
    QTest::mouseClick(viewerChild<QPushButton>("Command2"), Qt::LeftButton);
    for (int place = 1; place <= 4; ++place)
        EXPECT_FALSE(std::filesystem::exists(run(place))) << place;
    EXPECT_TRUE(std::filesystem::exists(otherRun)); // another table's run stays
    watch(1);
    EXPECT_TRUE(started.isEmpty());
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_EQ(dialogs.notices[0],
              QString("This score has no recorded run, so there is nothing to watch."));

    // The table was changed by other means: Tom's run is not offered for the new first row.
    TestTree::writeTable(tree.table("highscore_2_2.fly"),
                         {{"Zoe", 60}, {"Tom", 50}, {"Ben", 40}, {"Kim", 30}});
    viewerChild<QComboBox>("Combo1")->setCurrentIndex(1);
    viewerChild<QComboBox>("Combo2")->setCurrentIndex(1);
    watch(1);
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(dialogs.notices.size(), 2);
}

TEST_F(OptionsEditorViewer, PlacesFollowTheTickedLanguageBox) {
    // "de" ticks English but keeps the Czech captions: the places read in English.
    startWith(optionLinesWith({{3, "GameLanguage:de"}}));
    openViewer();
    EXPECT_EQ(viewerChild<QComboBox>("Combo1")->currentText(), QString("Scénář"));
    EXPECT_EQ(placeLines().first(), QString("1. place: Šárka - 900 points"));
}

TEST_F(OptionsEditorViewer, TheMenuItemOpensItTooAndClosingTheWindowEnablesTheEditor) {
    startWith(common::defaultOptionsLines());
    trigger("mnuShowHighscore");
    EXPECT_TRUE(viewer()->isVisible());
    EXPECT_FALSE(window->isEnabled());
    viewer()->close();
    EXPECT_TRUE(window->isEnabled());
}

} // namespace

#include "editor_fixture.hpp"

#include "optionseditor/highscore_viewer.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The editor on a copy of the generated installation tree: its options file and every table
// it can show must read without a notice.
class OptionsEditorOnTheTree : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        const std::filesystem::path installed = BRIMZEL_TREE;
        if (!std::filesystem::exists(installed / "bin" / "Brimzel.ini") ||
            !std::filesystem::exists(installed / "highscore" / "default")) {
            GTEST_SKIP() << "the content of " << installed << " is not generated";
        }
        std::filesystem::copy_file(installed / "bin" / "Brimzel.ini", tree.currentFile());
        std::filesystem::copy(installed / "highscore", tree.root() / "highscore",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }
};

TEST_F(OptionsEditorOnTheTree, EveryTableOfEveryModeAndLevelShows) {
    startWithoutFile();
    EXPECT_TRUE(dialogs.notices.isEmpty()) << dialogs.notices.join("\n").toStdString();
    EXPECT_TRUE(common::readGameOptions(tree.currentFile()).ok());

    trigger("mnuShowHighscore");
    optionseditor::HighscoreViewer* viewer = window->highscoreViewer();
    auto* modes = viewer->findChild<QComboBox*>("Combo1");
    auto* levels = viewer->findChild<QComboBox*>("Combo2");
    for (int mode = 1; mode < modes->count(); ++mode) {
        modes->setCurrentIndex(mode);
        for (int level = 0; level < levels->count(); ++level) {
            levels->setCurrentIndex(level);
            EXPECT_FALSE(viewer->findChild<QLabel*>("Label6")->text().isEmpty());
        }
    }
    EXPECT_TRUE(dialogs.notices.isEmpty()) << dialogs.notices.join("\n").toStdString();

    // Each shown table has a default copy to go back to.
    dialogs.answers = {true};
    viewer->findChild<QPushButton*>("Command2")->click();
    EXPECT_TRUE(dialogs.notices.isEmpty()) << dialogs.notices.join("\n").toStdString();
    EXPECT_EQ(TestTree::readLines(tree.table("highscore_3_17.fly")),
              TestTree::readLines(tree.defaultTable("highscore_3_17.fly")));
}

} // namespace

#pragma once

#include "leveleditor/dialogs.hpp"
#include "leveleditor/main_window.hpp"

#include <QApplication>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Texts read in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Answers every question and file dialog from a script and records what was shown.
class ScriptedDialogs : public leveleditor::Dialogs {
  public:
    std::deque<leveleditor::Answer> answers; // none left answers Cancel
    std::deque<QString> fileAnswers;         // none left cancels the dialog
    QStringList questions;
    QStringList notices;
    QStringList fileDialogFolders;
    QStringList fileDialogFilters;

    leveleditor::Answer ask(QWidget*, const QString& text) override;
    void inform(QWidget*, const QString& text) override { notices << text; }
    QString openFileName(QWidget*, const QString&, const QString& folder,
                         const QString& filter) override;
};

// An installation tree in a fresh temporary folder: bin/ with the options file, levels/user/.
// With pictures, gfx/ is the built tree's.
class TestTree {
  public:
    explicit TestTree(bool withPictures = false);
    ~TestTree();
    TestTree(const TestTree&) = delete;
    TestTree& operator=(const TestTree&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path bin() const { return root_ / "bin"; }
    std::filesystem::path optionsFile() const { return bin() / "Brimzel.ini"; }
    std::filesystem::path userLevel(int n) const {
        return root_ / "levels" / "user" / ("level" + std::to_string(n) + ".lev");
    }

    static void writeLines(const std::filesystem::path& file,
                           const std::vector<std::string>& lines);
    static std::vector<std::string> readLines(const std::filesystem::path& file);

  private:
    std::filesystem::path root_;
};

// Options lines of a new installation with some lines replaced (index = line number - 1).
std::vector<std::string> optionLinesWith(const std::vector<std::pair<int, std::string>>& changes);

// A user level file with the given values (positions in play-field pixels) and n enemies.
void writeLevel(const std::filesystem::path& file, int map, int bubbles, int minutes, int seconds,
                const std::vector<int>& enemyKinds = {});

// One editor window on a fresh tree, shown on the offscreen platform, frames run by the test
// with a scripted clock (10 ms a frame unless set before the start).
class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void startWith(const std::vector<std::string>& optionLines);
    void startEnglish(int userLevels = 0);
    void startCzech(int userLevels = 0);
    void startWithoutOptions();

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* buttonName) const;
    void chooseMap(int map) const;
    void addEnemy(int kind) const;
    void selectItem(int row) const;
    // Selects the field's text, types over it as a user would and presses Enter.
    void typeInto(const char* fieldName, const QString& text) const;
    // Types without Enter, then moves the focus to another field.
    void typeAndLeave(const char* fieldName, const QString& text, const char* nextField) const;
    QString fieldText(const char* fieldName) const;
    QString labelText(const char* labelName) const;
    QStringList listItems(const char* listName) const;
    void frames(int count) const;
    // Holds an arrow label down for the frames, then lets it go.
    void holdArrow(const char* labelName, int frameCount) const;
    // Left button pressed at `from`, a frame, moved to each point with a frame, released.
    void dragInView(QPoint from, const std::vector<QPoint>& path) const;
    void openFile(const std::filesystem::path& file);

    bool withPictures = false;
    float msPerFrame = 10;                                           // the scripted clock
    leveleditor::EditorConfig::EngineFactory createEngine = nullptr; // null: the real one
    bool started = false;                                            // what start() said
    std::unique_ptr<TestTree> tree;
    ScriptedDialogs dialogs;
    std::unique_ptr<leveleditor::MainWindow> window;
};

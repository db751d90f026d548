#pragma once

#include "common/options_file.hpp"
#include "common/text_lines.hpp"
#include "optionseditor/dialogs.hpp"
#include "optionseditor/main_window.hpp"

#include <QApplication>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Answers every question and file dialog from a script and records what was shown.
class ScriptedDialogs : public optionseditor::Dialogs {
  public:
    std::deque<bool> answers;        // questions take these in turn; none left means No
    std::deque<QString> fileAnswers; // file dialogs take these in turn; none left cancels
    QStringList questions;
    QStringList notices;
    QStringList fileDialogFolders;
    QStringList fileDialogFilters;

    bool askQuestion(QWidget*, const QString& text) override {
        questions << text;
        if (answers.empty()) {
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void showNotice(QWidget*, const QString& text) override { notices << text; }
    QString openFileName(QWidget*, const QString&, const QString& folder,
                         const QString& filter) override {
        return fileAnswer(folder, filter);
    }
    QString saveFileName(QWidget*, const QString&, const QString& folder,
                         const QString& filter) override {
        return fileAnswer(folder, filter);
    }

  private:
    QString fileAnswer(const QString& folder, const QString& filter) {
        fileDialogFolders << folder;
        fileDialogFilters << filter;
        if (fileAnswers.empty()) {
            return {};
        }
        QString name = fileAnswers.front();
        fileAnswers.pop_front();
        return name;
    }
};

// An installation tree in a fresh temporary folder: bin/, options/, highscore/default/.
class TestTree {
  public:
    TestTree();
    ~TestTree();
    TestTree(const TestTree&) = delete;
    TestTree& operator=(const TestTree&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path bin() const { return root_ / "bin"; }
    std::filesystem::path currentFile() const { return bin() / "Brimzel.ini"; }
    std::filesystem::path options(const std::string& name) const {
        return root_ / "options" / name;
    }
    std::filesystem::path table(const std::string& name) const {
        return root_ / "highscore" / name;
    }
    std::filesystem::path defaultTable(const std::string& name) const {
        return root_ / "highscore" / "default" / name;
    }

    static void writeLines(const std::filesystem::path& file,
                           const std::vector<std::string>& lines);
    static std::vector<std::string> readLines(const std::filesystem::path& file);
    static void writeTable(const std::filesystem::path& file,
                           const std::vector<std::pair<std::string, int>>& places);

  private:
    std::filesystem::path root_;
};

// Options lines of a new installation with some lines replaced (index = line number - 1).
std::vector<std::string> optionLinesWith(const std::vector<std::pair<int, std::string>>& changes);

// One main window on a fresh tree, shown on the offscreen platform.
class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the current options file and starts the editor on it.
    void startWith(const std::vector<std::string>& currentLines);
    void startWithoutFile();

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void trigger(const char* actionName) const;
    void click(const char* buttonName) const;
    // Selects the field's text and types over it as a user would.
    void typeInto(const char* fieldName, const QString& text) const;

    TestTree tree;
    ScriptedDialogs dialogs;
    std::unique_ptr<optionseditor::MainWindow> window;
};

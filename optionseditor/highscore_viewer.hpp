#pragma once

#include "common/file_layout.hpp"
#include "optionseditor/editor_texts.hpp"

#include <QWidget>

#include <QStringList>

#include <array>
#include <filesystem>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace optionseditor {

class Dialogs;

// The window that shows one high-score table of the game and can put its shipped default copy
// back. Its owner disables itself while the viewer is open and enables itself on closed().
class HighscoreViewer : public QWidget {
    Q_OBJECT
  public:
    HighscoreViewer(common::FileLayout files, Dialogs& dialogs, QWidget* parent = nullptr);

    void applyCaptions(Language language);

    // Opens on the scenario table; place lines are written in placeLanguage, questions and
    // notices in messageLanguage.
    void showViewer(Language placeLanguage, Language messageLanguage);

    // The table the lists name, the user's own below highscore/.
    std::filesystem::path tablePath() const;

    // Starts a program on its own; returns false when it cannot be started. The viewer's watch
    // starts brimzel-replay through it; tests put a stub in its place.
    using ProgramStarter =
        std::function<bool(const QString& program, const QStringList& arguments)>;
    // The replay player a row's run is watched with (beside the editor) and how it is started.
    void setWatchProgram(std::filesystem::path program, ProgramStarter starter = {});

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void gameModeChanged(int index);
    void levelChosen(int index);
    void setAsDefault();
    void showTable();
    void clearTable();
    void watchRun(int place);
    const EditorTexts& messages() const { return editorTexts(messageLanguage_); }

    common::FileLayout files_;
    Dialogs& dialogs_;
    Language placeLanguage_ = Language::czech;
    Language messageLanguage_ = Language::czech;

    QLabel* gameModeLabel_;
    QComboBox* gameModeList_;
    QLabel* levelLabel_;
    QComboBox* levelList_;
    QGroupBox* tableFrame_;
    std::array<QLabel*, 4> placeLines_{};
    std::array<QPushButton*, 4> watchButtons_{};
    std::filesystem::path watchProgram_;
    ProgramStarter startProgram_;
    QPushButton* closeButton_;
    QPushButton* setDefaultButton_;
};

} // namespace optionseditor

#pragma once

#include "common/file_layout.hpp"
#include "optionseditor/editor_texts.hpp"

#include <QWidget>

#include <array>
#include <filesystem>

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
    QPushButton* closeButton_;
    QPushButton* setDefaultButton_;
};

} // namespace optionseditor

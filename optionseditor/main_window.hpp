#pragma once

#include "common/options_file.hpp"
#include "optionseditor/editor_paths.hpp"
#include "optionseditor/editor_texts.hpp"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace optionseditor {

class AboutWindow;
class Dialogs;
class HighscoreViewer;
class NumberField;

// The on/off settings, each shown as a pair of check boxes that act as radio buttons.
enum Setting { music, sounds, alert, intro, language, windowMode, settingCount };

// "Brimzel - Setup": edits one options file at a time, the game's current one or any other,
// and opens the high-score viewer.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(EditorPaths paths, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the current options file and captions the window in its language.
    void start();

    const common::OptionsEditorData& data() const { return data_; }
    bool isUntitled() const { return untitled_; }
    bool isModified() const { return modified_; }
    const std::filesystem::path& fileName() const { return fileName_; }
    HighscoreViewer* highscoreViewer() const { return viewer_.get(); }
    AboutWindow* aboutWindow() const { return about_.get(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class SaveOutcome { written, cancelled, failed };
    struct ChoicePair {
        QLabel* label = nullptr;
        QCheckBox* first = nullptr; // "Yes", intro shown, "cz", "Fullscreen"
        QCheckBox* second = nullptr;
    };

    // Window content (main_window.cpp).
    void buildSettings();
    void buildEnemies();
    void buildMenus();
    void applyLanguage();
    void showSettings();
    void showEnemyValues();
    void choose(Setting setting, bool first);
    void openHighscoreViewer();
    void openAbout();
    const EditorTexts& messages() const { return editorTexts(captionLanguage_); }

    // Files (main_window_files.cpp).
    bool loadOptions(const std::filesystem::path& path, bool currentFile);
    bool writeOptions(const std::filesystem::path& path);
    SaveOutcome saveDocument();
    bool askToSaveChanges();
    QString askSaveName();
    void newFile();
    void openFile();
    void saveAs();
    void saveAsCurrent();
    void updateFromCurrent();

    // Enemy values (main_window_edit.cpp).
    void validateField(int kind, int field);
    void validateAllFields();
    void fillEmptyFieldsWithDefaults();
    void setFieldText(int kind, int field, const QString& text);
    void deleteAll();
    void deleteEnemy(int kind);
    void defaultAll();
    void defaultEnemy(int kind);
    NumberField* field(int kind, int field) const;
    std::string& storedValue(int kind, int field);

    EditorPaths paths_;
    Dialogs& dialogs_;
    common::OptionsEditorData data_;
    std::filesystem::path fileName_;
    bool untitled_ = true;
    bool modified_ = false;
    Language captionLanguage_ = Language::czech;

    QGroupBox* ingameGroup_ = nullptr;
    QGroupBox* othersGroup_ = nullptr;
    std::array<ChoicePair, settingCount> choices_{};
    std::array<QGroupBox*, common::kEnemyKinds> enemyGroups_{};
    std::array<std::array<QLabel*, common::kEnemyFields>, common::kEnemyKinds> enemyLabels_{};
    std::array<std::array<NumberField*, common::kEnemyFields>, common::kEnemyKinds> fields_{};
    QPushButton* showHighscoreButton_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* saveAsCurrentAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* showHighscoreAction_ = nullptr;
    QAction* updateAction_ = nullptr;
    QAction* deleteAllAction_ = nullptr;
    QMenu* deleteMenu_ = nullptr;
    std::array<QAction*, common::kEnemyKinds> deleteEnemyActions_{};
    QAction* defaultAllAction_ = nullptr;
    QMenu* defaultMenu_ = nullptr;
    std::array<QAction*, common::kEnemyKinds> defaultEnemyActions_{};
    QMenu* helpMenu_ = nullptr;
    QAction* aboutAction_ = nullptr;

    // Windows of their own, not children: a disabled main window would disable them too.
    std::unique_ptr<HighscoreViewer> viewer_;
    std::unique_ptr<AboutWindow> about_;
};

} // namespace optionseditor

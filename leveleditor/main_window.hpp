#pragma once

#include "leveleditor/arrow_repeat.hpp"
#include "leveleditor/editor_paths.hpp"
#include "leveleditor/editor_texts.hpp"
#include "leveleditor/level_document.hpp"
#include "leveleditor/placement.hpp"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace engine {
class Engine;
struct DisplayConfig;
} // namespace engine

namespace leveleditor {

class ArrowLabel;
class Dialogs;
class MapView;
class ViewRenderer;

struct EditorConfig {
    using EngineFactory = std::unique_ptr<engine::Engine> (*)(const engine::DisplayConfig&,
                                                              std::string& error);

    bool frameLoop = true;                // tests drive frames one at a time with runFrame()
    float scriptedMsPerFrame = 0.0;       // above 0: a scripted clock with this step
    EngineFactory createEngine = nullptr; // null: the engine's own
};

// "Brimzel - Level editor": the column of controls and the map view of one level document.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow(EditorPaths paths, Dialogs& dialogs, EditorConfig config = {},
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Starts the view, reads the options file, captions the window and starts the frame loop.
    // False when the map view cannot start: the editor has said so and closed its window.
    bool start();
    // One frame of the editor: draw, arrow repeat, mouse, "Save as" enabling, present.
    void runFrame();

    const LevelDocument& document() const { return document_; }
    Language language() const { return language_; }
    int userLevelCount() const { return userLevelCount_; }
    bool isRunning() const { return running_; }
    bool maskDisplay() const { return maskDisplay_; }
    engine::Engine* viewEngine() const { return engine_.get(); }
    MapView* mapView() const { return view_; }

  signals:
    // The editor ended (End or the close box) and wrote the options file.
    void finished();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Window content and captions (main_window.cpp).
    void buildControls();
    void applyCaptions();
    void setLanguage(Language language);
    bool startView();

    // Editing (main_window_edit.cpp).
    void onMapChosen(int index);
    void showSelection();
    void selectItem(int item);
    void checkField(Field field);
    void showFieldValue(Field field);
    void pressArrow(ArrowRepeat::Arrow arrow);
    void releaseArrow(ArrowRepeat::Arrow arrow);
    void runArrowSteps();
    void showBubblesAndTime();
    void openKindChooser();
    void closeKindChooser(bool add);
    void deleteSelectedEnemy();
    void fillEnemyList();
    void handleMouse();
    void enableSaveAsWhenReady();
    bool chooserShown() const;
    QLineEdit* fieldEdit(Field field) const;

    // Files (main_window_files.cpp).
    void readOptions();
    void writeOptions();
    // Asks about unsaved changes; false when new or open stops there (Yes saves instead).
    bool mayReplaceDocument();
    void newLevel();
    void openLevel();
    void openChosenFile(const QString& path);
    bool saveAs();
    void deleteLevel();
    void endRequested();
    // Asks about unsaved changes; true when the editor may end.
    bool mayEnd();
    void finish();
    void resetDocument();
    bool mayDeleteOpenFile() const;
    QString rootRelative(const std::filesystem::path& file) const;
    void inform(Text id);

    EditorPaths paths_;
    Dialogs& dialogs_;
    EditorConfig config_;

    LevelDocument document_;
    Language language_ = Language::czech;
    int userLevelCount_ = 0;
    bool optionsRead_ = false;
    std::vector<std::string> optionLines_;
    bool running_ = false;
    bool maskDisplay_ = false;
    bool checkingField_ = false;

    std::unique_ptr<engine::Engine> engine_;
    std::unique_ptr<ViewRenderer> renderer_;
    ArrowRepeat arrows_;
    Placement placement_;
    QTimer* frameTimer_ = nullptr;

    QLabel* label1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QListWidget* list1_ = nullptr;
    std::array<QLabel*, 3> fieldLabels_{};                           // Label2, Label3, Label4
    std::array<QLineEdit*, 3> fieldEdits_{};                         // Text1, Text2, Text3
    QLabel* label7_ = nullptr;                                       // "Bubbles:"
    QLabel* label5_ = nullptr;                                       // "00"
    QLabel* label8_ = nullptr;                                       // "Time:"
    QLabel* label6_ = nullptr;                                       // "00:00"
    std::array<ArrowLabel*, ArrowRepeat::arrowCount> arrowLabels_{}; // Label9..Label12
    QCheckBox* check1_ = nullptr;
    QPushButton* command1_ = nullptr; // End
    QPushButton* command2_ = nullptr; // Delete
    QPushButton* command3_ = nullptr; // Save as
    QPushButton* command4_ = nullptr; // Open
    QPushButton* command5_ = nullptr; // Add enemy
    QPushButton* command6_ = nullptr; // Delete enemy
    QPushButton* command7_ = nullptr; // New
    QWidget* chooser_ = nullptr;
    QListWidget* list2_ = nullptr;
    QPushButton* command8_ = nullptr; // OK
    QPushButton* command9_ = nullptr; // Cancel
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    MapView* view_ = nullptr;
};

} // namespace leveleditor

#include "optionseditor/main_window.hpp"

#include "optionseditor/about_window.hpp"
#include "optionseditor/dialogs.hpp"
#include "optionseditor/highscore_viewer.hpp"
#include "optionseditor/number_field.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace optionseditor {
namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// What each check box pair stands for, in the order of the two boxes.
struct ChoiceCaptions {
    const char* label;
    const char* first;
    const char* second;
};

ChoiceCaptions choiceCaptions(const EditorTexts& t, Setting setting) {
    switch (setting) {
    case music:
        return {t.musicLabel, t.musicOn, t.musicOff};
    case sounds:
        return {t.soundsLabel, t.soundsOn, t.soundsOff};
    case alert:
        return {t.alertLabel, t.alertOn, t.alertOff};
    case intro:
        return {t.introLabel, t.introShow, t.introHide};
    case language:
        return {t.languageLabel, kCzechChoice, kEnglishChoice};
    default:
        return {t.windowModeLabel, kFullscreenChoice, t.windowChoice};
    }
}

} // namespace

MainWindow::MainWindow(EditorPaths paths, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), paths_(std::move(paths)), dialogs_(dialogs) {
    setWindowTitle(text(kWindowTitle));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildSettings();
    buildEnemies();

    showHighscoreButton_ = new QPushButton(central);
    showHighscoreButton_->setObjectName("Command1");
    connect(showHighscoreButton_, &QPushButton::clicked, this, &MainWindow::openHighscoreViewer);

    // Settings on top, the enemies below, all in two aligned columns.
    auto* groups = new QGridLayout;
    groups->addWidget(ingameGroup_, 0, 0);
    groups->addWidget(othersGroup_, 0, 1);
    for (int kind = 0; kind < common::kEnemyKinds; ++kind) {
        groups->addWidget(enemyGroups_[static_cast<std::size_t>(kind)], 1 + kind / 2, kind % 2);
    }
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(showHighscoreButton_);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(groups);
    layout->addLayout(buttonRow);

    buildMenus();
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize); // fits either language

    viewer_ = std::make_unique<HighscoreViewer>(paths_.files(), dialogs_);
    // The replay player is installed beside the editor, in either layout.
    viewer_->setWatchProgram(paths_.programFolder / "brimzel-replay");
    connect(viewer_.get(), &HighscoreViewer::closed, this, [this] { setEnabled(true); });
    about_ = std::make_unique<AboutWindow>();
    connect(about_.get(), &AboutWindow::closed, this, [this] { setEnabled(true); });

    // Fields of a new file; the lines no control edits get the values of a new installation,
    // so even a file written before any was read is one the game can start from.
    data_ = common::defaultOptionsEditorData();
    const std::vector<std::string> newLines = common::defaultOptionsLines();
    data_.keptLines = {newLines[6], newLines[7], newLines[8]};
    data_.lastLine = newLines[30];
    showSettings();
    showEnemyValues();
    applyLanguage();
    untitled_ = true;
    modified_ = false;
}

MainWindow::~MainWindow() {
    // Fields losing their focus while the window goes away must not reach it any more.
    for (const auto& row : fields_) {
        for (NumberField* f : row) {
            disconnect(f, nullptr, this, nullptr);
        }
    }
}

void MainWindow::buildSettings() {
    QWidget* central = centralWidget();
    ingameGroup_ = new QGroupBox(central);
    ingameGroup_->setObjectName("Frame1");
    othersGroup_ = new QGroupBox(central);
    othersGroup_->setObjectName("Frame2");
    auto* ingameLayout = new QGridLayout(ingameGroup_);
    auto* othersLayout = new QGridLayout(othersGroup_);
    for (int setting = 0; setting < settingCount; ++setting) {
        const bool ingame = setting <= alert;
        QGroupBox* group = ingame ? ingameGroup_ : othersGroup_;
        QGridLayout* grid = ingame ? ingameLayout : othersLayout;
        ChoicePair& pair = choices_[static_cast<std::size_t>(setting)];
        pair.label = new QLabel(group);
        pair.label->setObjectName(QStringLiteral("Label") + QString::number(setting + 1));
        pair.first = new QCheckBox(group);
        pair.first->setObjectName(QStringLiteral("Check") + QString::number(2 * setting + 1));
        pair.second = new QCheckBox(group);
        pair.second->setObjectName(QStringLiteral("Check") + QString::number(2 * setting + 2));
        const int row = ingame ? setting : setting - intro;
        grid->addWidget(pair.label, row, 0);
        grid->addWidget(pair.first, row, 1);
        grid->addWidget(pair.second, row, 2);
        const auto which = static_cast<Setting>(setting);
        connect(pair.first, &QCheckBox::clicked, this, [this, which] { choose(which, true); });
        connect(pair.second, &QCheckBox::clicked, this, [this, which] { choose(which, false); });
    }
    ingameLayout->setColumnStretch(3, 1);
    othersLayout->setColumnStretch(3, 1);
}

void MainWindow::buildEnemies() {
    QWidget* central = centralWidget();
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        const auto k = static_cast<std::size_t>(kind - 1);
        enemyGroups_[k] = new QGroupBox(central);
        enemyGroups_[k]->setObjectName(QStringLiteral("Frame") + QString::number(kind + 2));
        auto* form = new QFormLayout(enemyGroups_[k]);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (int f = 0; f < common::kEnemyFields; ++f) {
            const auto i = static_cast<std::size_t>(f);
            const int number = (kind - 1) * common::kEnemyFields + f + 1;
            enemyLabels_[k][i] = new QLabel(enemyGroups_[k]);
            enemyLabels_[k][i]->setObjectName(QStringLiteral("Label") +
                                              QString::number(settingCount + number));
            fields_[k][i] = new NumberField(enemyGroups_[k]);
            fields_[k][i]->setObjectName(QStringLiteral("Text") + QString::number(number));
            fields_[k][i]->setFixedWidth(
                fields_[k][i]->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
            fields_[k][i]->setAlignment(Qt::AlignRight);
            form->addRow(enemyLabels_[k][i], fields_[k][i]);
            connect(fields_[k][i], &QLineEdit::textChanged, this, [this] { modified_ = true; });
            connect(fields_[k][i], &NumberField::validationRequested, this,
                    [this, kind, f] { validateField(kind, f); });
        }
    }
}

void MainWindow::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, auto slot) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    fileMenu_ = menuBar()->addMenu(QString());
    fileMenu_->setObjectName("mnuFile");
    newAction_ = action(fileMenu_, "mnuNew", &MainWindow::newFile);
    openAction_ = action(fileMenu_, "mnuOpen", &MainWindow::openFile);
    saveAction_ = action(fileMenu_, "mnuSave", [this] { saveDocument(); });
    saveAsAction_ = action(fileMenu_, "mnuSaveAs", &MainWindow::saveAs);
    saveAsCurrentAction_ = action(fileMenu_, "mnuSaveCurrent", &MainWindow::saveAsCurrent);
    fileMenu_->addSeparator();
    closeAction_ = action(fileMenu_, "mnuClose", &QWidget::close);

    editMenu_ = menuBar()->addMenu(QString());
    editMenu_->setObjectName("mnuEdit");
    showHighscoreAction_ = action(editMenu_, "mnuShowHighscore", &MainWindow::openHighscoreViewer);
    updateAction_ = action(editMenu_, "mnuUpdate", &MainWindow::updateFromCurrent);
    editMenu_->addSeparator();
    deleteAllAction_ = action(editMenu_, "mnuDeleteAll", &MainWindow::deleteAll);
    deleteMenu_ = editMenu_->addMenu(QString());
    deleteMenu_->setObjectName("mnuDelete");
    defaultAllAction_ = action(editMenu_, "mnuDefaultAll", &MainWindow::defaultAll);
    defaultMenu_ = editMenu_->addMenu(QString());
    defaultMenu_->setObjectName("mnuDefault");
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        const auto k = static_cast<std::size_t>(kind - 1);
        const QByteArray number = QByteArray::number(kind);
        deleteEnemyActions_[k] = action(deleteMenu_, ("mnuDelete" + number).constData(),
                                        [this, kind] { deleteEnemy(kind); });
        defaultEnemyActions_[k] = action(defaultMenu_, ("mnuDefault" + number).constData(),
                                         [this, kind] { defaultEnemy(kind); });
    }

    helpMenu_ = menuBar()->addMenu(QString());
    helpMenu_->setObjectName("mnuHelp");
    aboutAction_ = action(helpMenu_, "mnuAbout", &MainWindow::openAbout);
}

void MainWindow::applyLanguage() {
    const std::optional<Language> chosen = captionLanguage(data_.language);
    if (!chosen) {
        return; // another language value keeps the captions shown
    }
    captionLanguage_ = *chosen;
    const EditorTexts& t = editorTexts(captionLanguage_);
    ingameGroup_->setTitle(text(t.ingameGroup));
    othersGroup_->setTitle(text(t.othersGroup));
    for (int setting = 0; setting < settingCount; ++setting) {
        const ChoiceCaptions captions = choiceCaptions(t, static_cast<Setting>(setting));
        ChoicePair& pair = choices_[static_cast<std::size_t>(setting)];
        pair.label->setText(text(captions.label));
        pair.first->setText(text(captions.first));
        pair.second->setText(text(captions.second));
    }
    for (std::size_t k = 0; k < enemyGroups_.size(); ++k) {
        enemyGroups_[k]->setTitle(text(t.enemyNames[k]));
        for (std::size_t f = 0; f < enemyLabels_[k].size(); ++f) {
            enemyLabels_[k][f]->setText(text(t.enemyFieldLabels[f]));
        }
    }
    showHighscoreButton_->setText(text(t.showHighscoreButton));

    fileMenu_->setTitle(text(t.fileMenu));
    newAction_->setText(text(t.newItem));
    openAction_->setText(text(t.openItem));
    saveAction_->setText(text(t.saveItem));
    saveAsAction_->setText(text(t.saveAsItem));
    saveAsCurrentAction_->setText(text(t.saveAsCurrentItem));
    closeAction_->setText(text(t.closeItem));
    editMenu_->setTitle(text(t.editMenu));
    showHighscoreAction_->setText(text(t.showHighscoreItem));
    updateAction_->setText(text(t.updateItem));
    deleteAllAction_->setText(text(t.deleteAllItem));
    deleteMenu_->setTitle(text(t.deleteMenu));
    defaultAllAction_->setText(text(t.defaultAllItem));
    defaultMenu_->setTitle(text(t.defaultMenu));
    for (std::size_t k = 0; k < deleteEnemyActions_.size(); ++k) {
        deleteEnemyActions_[k]->setText(text(t.enemyNames[k]));
        defaultEnemyActions_[k]->setText(text(t.enemyNames[k]));
    }
    helpMenu_->setTitle(text(t.helpMenu));
    aboutAction_->setText(text(t.aboutItem));
    viewer_->applyCaptions(captionLanguage_);
}

void MainWindow::showSettings() {
    const std::array<bool, settingCount> firstChosen = {
        data_.music == "Yes", data_.sounds == "Yes",  data_.alert == "Yes",
        data_.intro == 0,     data_.language == "cz", data_.windowMode != "Window",
    };
    for (std::size_t setting = 0; setting < choices_.size(); ++setting) {
        choices_[setting].first->setChecked(firstChosen[setting]);
        choices_[setting].second->setChecked(!firstChosen[setting]);
    }
}

void MainWindow::showEnemyValues() {
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        for (int f = 0; f < common::kEnemyFields; ++f) {
            field(kind, f)->setText(QString::fromStdString(storedValue(kind, f)));
        }
    }
}

void MainWindow::choose(Setting setting, bool first) {
    ChoicePair& pair = choices_[static_cast<std::size_t>(setting)];
    // A click on the ticked box keeps it ticked: one of the two is always chosen.
    pair.first->setChecked(first);
    pair.second->setChecked(!first);
    // Any changed setting is worth the question at closing, not only the numbers.
    modified_ = true;
    switch (setting) {
    case music:
        data_.music = first ? "Yes" : "No";
        break;
    case sounds:
        data_.sounds = first ? "Yes" : "No";
        break;
    case alert:
        data_.alert = first ? "Yes" : "No";
        break;
    case intro:
        data_.intro = first ? 0 : 50;
        break;
    case language:
        data_.language = first ? "cz" : "en";
        applyLanguage();
        break;
    default:
        data_.windowMode = first ? "Fullscreen" : "Window";
        break;
    }
}

void MainWindow::openHighscoreViewer() {
    // The place lines follow the ticked language box; a value other than "cz" ticks English.
    const Language places = data_.language == "cz" ? Language::czech : Language::english;
    setEnabled(false);
    viewer_->showViewer(places, captionLanguage_);
    viewer_->move(geometry().center() - viewer_->rect().center());
}

void MainWindow::openAbout() {
    setEnabled(false);
    about_->showAbout(captionLanguage_);
    about_->move(geometry().center() - about_->rect().center());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!askToSaveChanges()) {
        event->ignore(); // the save failed: keep the window so nothing is lost
        return;
    }
    viewer_->hide();
    about_->hide();
    event->accept();
}

} // namespace optionseditor

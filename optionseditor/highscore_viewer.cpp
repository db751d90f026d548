#include "optionseditor/highscore_viewer.hpp"

#include "common/highscore_file.hpp"
#include "common/highscore_runs.hpp"
#include "optionseditor/dialogs.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace optionseditor {
namespace {

constexpr int kScenario = 0;    // list position of the scenario mode
constexpr int kLevelCount = 17; // sixteen built-in levels and the user level

} // namespace

HighscoreViewer::HighscoreViewer(common::FileLayout files, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), files_(std::move(files)), dialogs_(dialogs) {
    gameModeLabel_ = new QLabel(this);
    gameModeLabel_->setObjectName("Label1");
    gameModeList_ = new QComboBox(this);
    gameModeList_->setObjectName("Combo1");
    gameModeList_->addItems({QString(), QString(), QString()});
    levelLabel_ = new QLabel(QString::fromUtf8(kLevelLabel), this);
    levelLabel_->setObjectName("Label2");
    levelList_ = new QComboBox(this);
    levelList_->setObjectName("Combo2");
    for (int level = 1; level < kLevelCount; ++level) {
        levelList_->addItem(QStringLiteral("Level ") + QString::number(level));
    }
    levelList_->addItem(QString::fromUtf8(kUserLevelEntry));
    levelList_->setMinimumContentsLength(14);

    tableFrame_ = new QGroupBox(this);
    tableFrame_->setObjectName("Frame1");
    auto* tableLayout = new QGridLayout(tableFrame_);
    for (std::size_t place = 0; place < placeLines_.size(); ++place) {
        placeLines_[place] = new QLabel(tableFrame_);
        placeLines_[place]->setObjectName(QStringLiteral("Label") + QString::number(place + 3));
        placeLines_[place]->setMinimumWidth(320);
        tableLayout->addWidget(placeLines_[place], static_cast<int>(place), 0);
        watchButtons_[place] = new QPushButton(tableFrame_);
        watchButtons_[place]->setObjectName(QStringLiteral("Watch") + QString::number(place + 1));
        watchButtons_[place]->setEnabled(false);
        tableLayout->addWidget(watchButtons_[place], static_cast<int>(place), 1);
        connect(watchButtons_[place], &QPushButton::clicked, this,
                [this, place] { watchRun(static_cast<int>(place) + 1); });
    }
    tableLayout->setColumnStretch(0, 1);

    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName("Command1");
    setDefaultButton_ = new QPushButton(this);
    setDefaultButton_->setObjectName("Command2");

    auto* lists = new QGridLayout;
    lists->addWidget(gameModeLabel_, 0, 0);
    lists->addWidget(gameModeList_, 0, 1);
    lists->addWidget(levelLabel_, 1, 0);
    lists->addWidget(levelList_, 1, 1);
    lists->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(setDefaultButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(lists);
    layout->addWidget(tableFrame_);
    layout->addLayout(buttons);

    gameModeList_->setCurrentIndex(kScenario);
    levelList_->setCurrentIndex(0);
    applyCaptions(Language::czech);

    connect(gameModeList_, &QComboBox::currentIndexChanged, this,
            &HighscoreViewer::gameModeChanged);
    connect(levelList_, &QComboBox::currentIndexChanged, this, &HighscoreViewer::levelChosen);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(setDefaultButton_, &QPushButton::clicked, this, &HighscoreViewer::setAsDefault);
}

void HighscoreViewer::applyCaptions(Language language) {
    const EditorTexts& texts = editorTexts(language);
    setWindowTitle(QString::fromUtf8(texts.viewerTitle));
    gameModeLabel_->setText(QString::fromUtf8(texts.gameModeLabel));
    for (int mode = 0; mode < 3; ++mode) {
        gameModeList_->setItemText(mode, QString::fromUtf8(texts.gameModes[mode]));
    }
    tableFrame_->setTitle(QString::fromUtf8(texts.highscoreFrame));
    closeButton_->setText(QString::fromUtf8(texts.closeButton));
    for (QPushButton* watch : watchButtons_) {
        watch->setText(QString::fromUtf8(texts.watchButton));
        watch->setToolTip(QString::fromUtf8(texts.watchHint));
    }
    setDefaultButton_->setText(QString::fromUtf8(texts.setDefaultButton));
}

void HighscoreViewer::showViewer(Language placeLanguage, Language messageLanguage) {
    placeLanguage_ = placeLanguage;
    messageLanguage_ = messageLanguage;
    {
        const QSignalBlocker modeBlocker(gameModeList_);
        const QSignalBlocker levelBlocker(levelList_);
        gameModeList_->setCurrentIndex(kScenario);
        levelList_->setCurrentIndex(0);
    }
    levelList_->setEnabled(false);
    setDefaultButton_->setEnabled(true);
    show();
    raise();
    activateWindow();
    showTable();
}

std::filesystem::path HighscoreViewer::tablePath() const {
    const int mode = gameModeList_->currentIndex() + 1;
    const int level = levelList_->currentIndex() + 1;
    return files_.writePath(common::highscoreFilePath("", mode, level, level == kLevelCount));
}

void HighscoreViewer::setWatchProgram(std::filesystem::path program, ProgramStarter starter) {
    watchProgram_ = std::move(program);
    startProgram_ =
        starter ? std::move(starter) : [](const QString& name, const QStringList& arguments) {
            return QProcess::startDetached(name, arguments);
        };
}

void HighscoreViewer::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

void HighscoreViewer::gameModeChanged(int index) {
    {
        const QSignalBlocker blocker(levelList_);
        levelList_->setCurrentIndex(-1);
    }
    setDefaultButton_->setEnabled(false);
    if (index == kScenario) {
        levelList_->setEnabled(false);
        levelList_->setCurrentIndex(0); // chooses the level, which shows the scenario table
    } else {
        // The old lines stay until a level of the new mode is chosen.
        levelList_->setEnabled(true);
    }
}

void HighscoreViewer::levelChosen(int index) {
    if (index < 0) {
        return;
    }
    showTable();
    setDefaultButton_->setEnabled(true);
}

void HighscoreViewer::setAsDefault() {
    if (!dialogs_.askQuestion(this, QString::fromUtf8(messages().setDefaultQuestion))) {
        return;
    }
    const int mode = gameModeList_->currentIndex() + 1;
    const int level = levelList_->currentIndex() + 1;
    const auto defaultPath =
        files_.readPath(common::defaultHighscoreFilePath("", mode, level, level == kLevelCount));
    const common::Status restored = common::restoreDefaultHighscoreFile(defaultPath, tablePath());
    if (!restored) {
        // The table file is untouched; what it shows still holds.
        const char* text = restored.error().kind == common::ErrorKind::writeFailed
                               ? messages().cannotWriteTable
                               : messages().cannotReadDefault;
        dialogs_.showNotice(this, withReason(text, restored.message()));
        return;
    }
    // The rows are the default's now; the runs of the rows that were there go with them.
    if (const common::Status removed = common::removeHighscoreRuns(tablePath()); !removed) {
        dialogs_.showNotice(this, withReason(messages().cannotWriteTable, removed.message()));
    }
    showTable();
}

void HighscoreViewer::showTable() {
    const auto reading = common::readHighscoreRows(tablePath());
    if (!reading) {
        clearTable();
        dialogs_.showNotice(this, withReason(messages().cannotReadTable, reading.message()));
        return;
    }
    const common::HighscoreFile& table = reading.value().table;
    for (std::size_t place = 0; place < placeLines_.size(); ++place) {
        QLabel* line = placeLines_[place];
        // A name longer than the game lets a player type (a table from elsewhere) is cut to the
        // room a typed one takes, so the window keeps its size; the whole name is its tip.
        const QString name = QString::fromStdString(table.highscoreNames[place]);
        const QFontMetrics metrics = line->fontMetrics();
        const int room = metrics.horizontalAdvance(
            QString(static_cast<qsizetype>(common::kMaxHighscoreNameLength), QLatin1Char('W')));
        const QString shown = metrics.elidedText(name, Qt::ElideRight, room);
        line->setText(placeLine(placeLanguage_, static_cast<int>(place) + 1, shown,
                                table.highscorePoints[place]));
        line->setToolTip(shown == name ? QString() : name);
        watchButtons_[place]->setEnabled(true);
    }
    if (reading.value().damage) {
        dialogs_.showNotice(this,
                            withReason(messages().damagedTable, reading.value().damage->message));
    }
}

void HighscoreViewer::clearTable() {
    for (QLabel* line : placeLines_) {
        line->clear();
    }
    for (QPushButton* watch : watchButtons_) {
        watch->setEnabled(false);
    }
}

void HighscoreViewer::watchRun(int place) {
    // The row as the file holds it now: a run is only offered for its own row.
    const auto reading = common::readHighscoreRows(tablePath());
    if (!reading) {
        dialogs_.showNotice(this, withReason(messages().cannotReadTable, reading.message()));
        return;
    }
    const common::HighscoreFile& table = reading.value().table;
    const auto index = static_cast<std::size_t>(place - 1);
    const common::HighscoreRunCheck run = common::checkHighscoreRun(
        tablePath(), place, {table.highscoreNames[index], table.highscorePoints[index]});
    switch (run.kind) {
    case common::HighscoreRunKind::none:
        dialogs_.showNotice(this, QString::fromUtf8(messages().noRunNotice));
        return;
    case common::HighscoreRunKind::damaged:
    case common::HighscoreRunKind::foreign:
        dialogs_.showNotice(this, withReason(messages().badRunNotice, run.reason));
        return;
    case common::HighscoreRunKind::watchable:
        break;
    }
    // The replay player runs the recording in a copy of the tree: the watch writes nothing
    // into the player's files.
    const QString program = QString::fromStdString(watchProgram_.string());
    if (watchProgram_.empty() || !startProgram_ ||
        !startProgram_(program,
                       {QStringLiteral("--watch"), QString::fromStdString(run.path.string())})) {
        dialogs_.showNotice(this, withReason(messages().cannotStartWatch, watchProgram_.string()));
    }
}

} // namespace optionseditor

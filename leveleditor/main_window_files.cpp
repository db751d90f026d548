// The options file, New, Open, Save as, Delete and the end of the editor.
#include "common/options_file.hpp"
#include "engine/engine.hpp"
#include "leveleditor/arrow_label.hpp"
#include "leveleditor/dialogs.hpp"
#include "leveleditor/main_window.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>

#include <system_error>

namespace leveleditor {
namespace {

constexpr int kMaxUserLevels = 16;

std::filesystem::path userLevelFile(const std::filesystem::path& folder, int number) {
    return folder / ("level" + std::to_string(number) + ".lev");
}

// "level12.lev" gives 12; any other name gives nothing.
std::optional<int> levelNumberOfName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^level([0-9]{1,4})\\.lev$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toInt();
}

// The user levels are numbered from 1 without a gap: the count is where the numbering stops.
int userLevelsOnDisk(const std::filesystem::path& folder) {
    int count = 0;
    std::error_code ec;
    while (count < kMaxUserLevels &&
           std::filesystem::exists(userLevelFile(folder, count + 1), ec)) {
        ++count;
    }
    return count;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

} // namespace

void MainWindow::inform(Text id) {
    dialogs_.inform(this, text(language_, id));
}

QString MainWindow::rootRelative(const std::filesystem::path& file) const {
    return QString::fromStdString(file.lexically_relative(paths_.userRoot()).string());
}

void MainWindow::readOptions() {
    auto options = common::readLevelEditorOptions(paths_.optionsFile());
    if (!options) {
        // Czech, and the user levels the folder holds; the end leaves the broken file as it is.
        optionsRead_ = false;
        language_ = Language::czech;
        userLevelCount_ = userLevelsOnDisk(paths_.userLevelFolder());
        dialogs_.inform(
            this, optionsUnreadableMessage(QString::fromStdString(paths_.optionsFile().string()),
                                           QString::fromStdString(options.message())));
        return;
    }
    optionsRead_ = true;
    optionLines_ = options.value().lines;
    language_ = languageFromCode(options.value().language);
    userLevelCount_ = options.value().userLevelCount;
}

void MainWindow::writeOptions() {
    if (!optionsRead_) {
        return;
    }
    // Only line 9 changes, in the file as it stands now: the game or the options editor may
    // have written the other lines meanwhile.
    auto written = common::writeLevelEditorUserLevels(paths_.optionsFile(), optionLines_,
                                                      static_cast<std::int16_t>(userLevelCount_));
    if (!written) {
        dialogs_.inform(
            this, optionsUnwritableMessage(language_,
                                           QString::fromStdString(paths_.optionsFile().string())));
    }
}

void MainWindow::resetDocument() {
    document_.reset();
    {
        const QSignalBlocker blocker(combo1_);
        combo1_->setCurrentIndex(-1);
    }
    {
        const QSignalBlocker blocker(list1_);
        list1_->clear();
    }
    for (QLineEdit* edit : fieldEdits_) {
        edit->clear();
        edit->setEnabled(false);
    }
    showBubblesAndTime();
    check1_->setEnabled(false);
    command3_->setEnabled(false);
    command2_->setEnabled(false);
    placement_.releaseAll();
}

bool MainWindow::mayDeleteOpenFile() const {
    // Only a numbered file of the user level folder that the count covers: deleting any other
    // would shift the numbering of files it does not belong to.
    return document_.isUserLevelFile && document_.userLevelNumber >= 1 &&
           document_.userLevelNumber <= userLevelCount_ &&
           sameFile(document_.filePath,
                    userLevelFile(paths_.userLevelFolder(), document_.userLevelNumber));
}

bool MainWindow::mayReplaceDocument() {
    if (!document_.changed) {
        return true;
    }
    switch (dialogs_.ask(this, text(language_, Text::saveChanges))) {
    case Answer::yes:
        saveAs(); // the player picks new or open again after saving
        return false;
    case Answer::cancel:
        return false;
    case Answer::no:
        break;
    }
    return true;
}

void MainWindow::newLevel() {
    if (!mayReplaceDocument()) {
        return;
    }
    resetDocument();
}

void MainWindow::openLevel() {
    if (!mayReplaceDocument()) {
        return;
    }
    const QString chosen =
        dialogs_.openFileName(this, text(language_, Text::open),
                              QString::fromStdString(paths_.userLevelFolder().string()),
                              text(language_, Text::fileFilter));
    if (!chosen.isEmpty()) {
        openChosenFile(chosen);
    }
}

void MainWindow::openChosenFile(const QString& path) {
    const std::optional<int> number = levelNumberOfName(QFileInfo(path).fileName());
    const std::filesystem::path file = path.toStdString();
    auto read = number ? common::ReadLevelFileForEditing(file)
                       : common::Result<common::LevelRecord>(common::Error{});
    if (!read) {
        inform(Text::damagedFile);
        return;
    }
    arrows_.releaseAll(engine_ ? engine_->tick() : 0);
    placement_.releaseAll();
    document_.level = read.value();
    document_.filePath = file;
    document_.userLevelNumber = static_cast<std::int16_t>(*number);
    document_.isUserLevelFile = read.value().userLevelFile;
    command2_->setEnabled(mayDeleteOpenFile());
    fillEnemyList();
    {
        const QSignalBlocker blocker(combo1_);
        combo1_->setCurrentIndex(document_.level.map - 1);
    }
    onMapChosen(document_.level.map - 1);
    showBubblesAndTime();
    document_.changed = false;
}

bool MainWindow::saveAs() {
    const auto& level = document_.level;
    if (userLevelCount_ >= kMaxUserLevels) {
        inform(Text::tooManyLevels);
        return false;
    }
    if (level.bubbles <= 0) {
        inform(Text::noBubbles);
        return false;
    }
    if (level.minutes <= 0 && level.seconds <= 0) {
        inform(Text::noTime);
        return false;
    }
    const int number = userLevelCount_ + 1;
    const std::filesystem::path file = userLevelFile(paths_.userLevelFolder(), number);
    std::error_code ec;
    // A count behind the files (an options file from elsewhere) must not cost a level.
    if (std::filesystem::exists(file, ec) &&
        dialogs_.ask(this, replaceLevelQuestion(language_, rootRelative(file))) != Answer::yes) {
        return false;
    }
    std::filesystem::create_directories(paths_.userLevelFolder(), ec);
    common::LevelRecord written = level;
    written.userLevelFile = true;
    if (!common::WriteLevelFile(file, written)) {
        dialogs_.inform(this, cannotWriteMessage(language_, rootRelative(file)));
        return false;
    }
    userLevelCount_ = number;
    dialogs_.inform(this, savedAsMessage(language_, number));
    document_.filePath = file;
    document_.userLevelNumber = static_cast<std::int16_t>(number);
    document_.isUserLevelFile = true;
    document_.changed = false;
    command2_->setEnabled(true);
    return true;
}

void MainWindow::deleteLevel() {
    if (!mayDeleteOpenFile()) {
        return;
    }
    if (dialogs_.ask(this, text(language_, Text::reallyDelete)) != Answer::yes) {
        document_.changed = false;
        return;
    }
    const std::filesystem::path folder = paths_.userLevelFolder();
    const int deleted = document_.userLevelNumber;
    const int oldCount = userLevelCount_;
    std::error_code ec;
    std::filesystem::remove(document_.filePath, ec);
    if (ec) {
        dialogs_.inform(this, cannotDeleteMessage(language_, rootRelative(document_.filePath)));
        return;
    }
    resetDocument();
    // Close the gap so the user levels are numbered 1..count again. A rename that fails stops
    // there: the count then covers only the files still numbered without a gap.
    int count = oldCount - 1;
    for (int i = deleted + 1; i <= oldCount; ++i) {
        std::filesystem::rename(userLevelFile(folder, i), userLevelFile(folder, i - 1), ec);
        if (ec) {
            count = i - 2;
            dialogs_.inform(this,
                            cannotRenameMessage(language_, rootRelative(userLevelFile(folder, i)),
                                                rootRelative(userLevelFile(folder, i - 1))));
            break;
        }
    }
    userLevelCount_ = count;
    document_.changed = false;
}

bool MainWindow::mayEnd() {
    if (!document_.changed) {
        return true;
    }
    switch (dialogs_.ask(this, text(language_, Text::saveChanges))) {
    case Answer::yes:
        return saveAs(); // a refused save keeps the editor open
    case Answer::no:
        return true;
    case Answer::cancel:
        return false;
    }
    return false;
}

void MainWindow::endRequested() {
    if (mayEnd()) {
        finish();
        close();
    }
}

void MainWindow::finish() {
    if (!running_) {
        return;
    }
    running_ = false;
    frameTimer_->stop();
    arrows_.releaseAll(0);
    writeOptions();
    emit finished();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box takes no focus: a value typed but not yet entered is checked first, so a
    // save on the way out holds it.
    for (std::size_t i = 0; i < fieldEdits_.size(); ++i) {
        if (fieldEdits_[i]->hasFocus()) {
            checkField(static_cast<Field>(i));
        }
    }
    if (!running_ || mayEnd()) {
        finish();
        event->accept();
        return;
    }
    event->ignore();
}

} // namespace leveleditor

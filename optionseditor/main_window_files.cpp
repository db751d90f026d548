#include "optionseditor/main_window.hpp"

#include "optionseditor/dialogs.hpp"
#include "optionseditor/number_field.hpp"

#include <system_error>

namespace optionseditor {
namespace {

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

void MainWindow::start() {
    loadOptions(paths_.currentOptionsFile(), true);
    applyLanguage();
}

bool MainWindow::loadOptions(const std::filesystem::path& path, bool currentFile) {
    // The whole file is read before any field changes, so a refused file leaves them all.
    auto read = common::readOptionsEditorFile(path, currentFile, data_.lastLine);
    if (!read) {
        switch (read.error().kind) {
        case common::ErrorKind::wrongHeader:
            dialogs_.showNotice(this, QString::fromUtf8(kWrongOptionsFileNotice));
            break;
        case common::ErrorKind::badContent: // ends early or holds what is no text line
            dialogs_.showNotice(this, withReason(kWrongOptionsFileNotice, read.message()));
            break;
        default:
            dialogs_.showNotice(this, withReason(messages().cannotReadOptions, read.message()));
            break;
        }
        return false;
    }
    if (currentFile) {
        for (const auto& row : fields_) {
            for (NumberField* f : row) {
                f->clear();
            }
        }
    }
    data_ = std::move(read.value());
    showSettings();
    showEnemyValues();
    applyLanguage();
    if (!currentFile) {
        untitled_ = false;
        fileName_ = path;
    }
    return true;
}

bool MainWindow::writeOptions(const std::filesystem::path& path) {
    validateAllFields();
    fillEmptyFieldsWithDefaults();
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        for (int f = 0; f < common::kEnemyFields; ++f) {
            storedValue(kind, f) = field(kind, f)->text().toStdString();
        }
    }
    const common::Status written = common::writeOptionsEditorFile(path, data_);
    if (!written) {
        // The file is replaced whole or not at all, so the old one is still there.
        dialogs_.showNotice(this, withReason(messages().cannotWriteOptions, written.message()));
        return false;
    }
    return true;
}

MainWindow::SaveOutcome MainWindow::saveDocument() {
    std::filesystem::path target = fileName_;
    if (untitled_) {
        const QString name = askSaveName();
        if (name.isEmpty()) {
            return SaveOutcome::cancelled;
        }
        target = name.toStdString();
    }
    // An untitled document stays untitled: the name asked for is not the file it edits.
    return writeOptions(target) ? SaveOutcome::written : SaveOutcome::failed;
}

bool MainWindow::askToSaveChanges() {
    if (!modified_ ||
        !dialogs_.askQuestion(this, QString::fromUtf8(messages().saveChangesQuestion))) {
        return true;
    }
    return saveDocument() != SaveOutcome::failed;
}

QString MainWindow::askSaveName() {
    std::error_code ignored; // without the folder the dialog simply starts elsewhere
    std::filesystem::create_directories(paths_.optionsFolder(), ignored);
    return dialogs_.saveFileName(this, QString::fromUtf8(messages().saveAsItem),
                                 pathText(paths_.optionsFolder()),
                                 QString::fromUtf8(kOptionsFileFilter));
}

void MainWindow::newFile() {
    if (!askToSaveChanges()) {
        return;
    }
    const common::OptionsEditorData defaults = common::defaultOptionsEditorData();
    data_.enemyValues = defaults.enemyValues;
    data_.music = defaults.music;
    data_.sounds = defaults.sounds;
    data_.alert = defaults.alert;
    data_.intro = defaults.intro;
    data_.windowMode = defaults.windowMode;
    showSettings();
    showEnemyValues();
    untitled_ = true;
    modified_ = false;
}

void MainWindow::openFile() {
    if (!askToSaveChanges()) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(paths_.optionsFolder(), ignored);
    const QString name = dialogs_.openFileName(this, QString::fromUtf8(messages().openItem),
                                               pathText(paths_.optionsFolder()),
                                               QString::fromUtf8(kOptionsFileFilter));
    if (!name.isEmpty()) {
        loadOptions(name.toStdString(), false);
    }
}

void MainWindow::saveAs() {
    const QString name = askSaveName();
    if (name.isEmpty()) {
        return;
    }
    // A copy under another name: "Save" still writes the file being edited.
    writeOptions(name.toStdString());
}

void MainWindow::saveAsCurrent() {
    const std::filesystem::path current = paths_.currentOptionsFile();
    // The user-level count and the screenshot counter belong to the level editor and the
    // game; taken from the file as it is now, they never fall back and let old levels or
    // screenshots be overwritten.
    if (auto onDisk = common::readOptionsEditorFile(current, true); onDisk) {
        data_.keptLines[2] = onDisk.value().keptLines[2];
        data_.lastLine = onDisk.value().lastLine;
    }
    writeOptions(current);
}

void MainWindow::updateFromCurrent() {
    loadOptions(paths_.currentOptionsFile(), true);
}

} // namespace optionseditor

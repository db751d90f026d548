#include "optionseditor/main_window.hpp"

#include "optionseditor/dialogs.hpp"
#include "optionseditor/number_field.hpp"

namespace optionseditor {

NumberField* MainWindow::field(int kind, int f) const {
    return fields_[static_cast<std::size_t>(kind - 1)][static_cast<std::size_t>(f)];
}

std::string& MainWindow::storedValue(int kind, int f) {
    return data_.enemyValues[static_cast<std::size_t>(kind - 1)][static_cast<std::size_t>(f)];
}

void MainWindow::setFieldText(int kind, int f, const QString& text) {
    storedValue(kind, f) = text.toStdString();
    field(kind, f)->setText(text);
}

void MainWindow::validateField(int kind, int f) {
    NumberField* edit = field(kind, f);
    const NumberCheck check = checkNumberText(edit->text());
    if (check == NumberCheck::accepted) {
        storedValue(kind, f) = edit->text().toStdString();
        return;
    }
    // The stored value goes back before the notice, so the notice taking the focus finds
    // nothing more to refuse.
    edit->setText(QString::fromStdString(storedValue(kind, f)));
    dialogs_.showNotice(this, QString::fromUtf8(check == NumberCheck::notDigits
                                                    ? messages().onlyNumbersNotice
                                                    : messages().tooManyDigitsNotice));
}

void MainWindow::validateAllFields() {
    // A field still being typed in never lost its focus; what it holds is checked now so no
    // file the game cannot read is written.
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        for (int f = 0; f < common::kEnemyFields; ++f) {
            validateField(kind, f);
        }
    }
}

void MainWindow::fillEmptyFieldsWithDefaults() {
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        for (int f = 0; f < common::kEnemyFields; ++f) {
            if (!field(kind, f)->text().isEmpty()) {
                continue;
            }
            dialogs_.showNotice(this, emptyFieldNotice(captionLanguage_, kind, f));
            setFieldText(kind, f, QString::number(common::defaultEnemyValue(kind, f)));
        }
    }
}

void MainWindow::deleteAll() {
    if (!dialogs_.askQuestion(this, QString::fromUtf8(messages().deleteAllQuestion))) {
        return;
    }
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        deleteEnemy(kind);
    }
}

void MainWindow::deleteEnemy(int kind) {
    for (int f = 0; f < common::kEnemyFields; ++f) {
        setFieldText(kind, f, QString());
    }
}

void MainWindow::defaultAll() {
    if (!dialogs_.askQuestion(this, QString::fromUtf8(messages().defaultAllQuestion))) {
        return;
    }
    for (int kind = 1; kind <= common::kEnemyKinds; ++kind) {
        defaultEnemy(kind);
    }
}

void MainWindow::defaultEnemy(int kind) {
    for (int f = 0; f < common::kEnemyFields; ++f) {
        setFieldText(kind, f, QString::number(common::defaultEnemyValue(kind, f)));
    }
}

} // namespace optionseditor

#include "leveleditor/qt_dialogs.hpp"

#include <QFileDialog>
#include <QMessageBox>

namespace leveleditor {
namespace {

const QString kTitle = QStringLiteral("Brimzel - Level editor");

} // namespace

Answer QtDialogs::ask(QWidget* parent, const QString& text) {
    const auto button = QMessageBox::question(
        parent, kTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    return button == QMessageBox::Yes  ? Answer::yes
           : button == QMessageBox::No ? Answer::no
                                       : Answer::cancel;
}

void QtDialogs::inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& caption, const QString& startFolder,
                                const QString& filter) {
    QFileDialog dialog(parent, caption, startFolder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

} // namespace leveleditor

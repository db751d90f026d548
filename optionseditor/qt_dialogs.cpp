#include "optionseditor/qt_dialogs.hpp"

#include <QFileDialog>
#include <QMessageBox>

namespace optionseditor {
namespace {

const QString kTitle = QStringLiteral("Brimzel-Options");

QString runFileDialog(QWidget* parent, const QString& caption, const QString& startFolder,
                      const QString& filter, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, caption, startFolder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without an extension still gets the one the open filter looks for.
        dialog.setDefaultSuffix(QStringLiteral("ini"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

} // namespace

bool QtDialogs::askQuestion(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kTitle, text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtDialogs::showNotice(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& caption, const QString& startFolder,
                                const QString& filter) {
    return runFileDialog(parent, caption, startFolder, filter, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& startFolder,
                                const QString& filter) {
    return runFileDialog(parent, caption, startFolder, filter, QFileDialog::AcceptSave);
}

} // namespace optionseditor

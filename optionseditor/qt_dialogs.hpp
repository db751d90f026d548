#pragma once

#include "optionseditor/dialogs.hpp"

namespace optionseditor {

// Message boxes titled with the program's name and Qt's own file dialogs.
class QtDialogs : public Dialogs {
  public:
    bool askQuestion(QWidget* parent, const QString& text) override;
    void showNotice(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& startFolder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& startFolder,
                         const QString& filter) override;
};

} // namespace optionseditor

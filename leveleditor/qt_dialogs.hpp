#pragma once

#include "leveleditor/dialogs.hpp"

namespace leveleditor {

// Message boxes titled with the window's title and Qt's own file dialog.
class QtDialogs : public Dialogs {
  public:
    Answer ask(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& startFolder,
                         const QString& filter) override;
};

} // namespace leveleditor

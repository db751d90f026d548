#pragma once

#include <QString>

class QWidget;

namespace optionseditor {

// Every modal question, notice and file dialog of the editor goes through here, so the windows
// can be driven without a modal loop (tests answer from a script).
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Yes, No and Cancel; true only for Yes.
    virtual bool askQuestion(QWidget* parent, const QString& text) = 0;
    // An information notice with an OK button.
    virtual void showNotice(QWidget* parent, const QString& text) = 0;
    // The chosen file, or an empty text when the dialog was cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& startFolder, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& startFolder, const QString& filter) = 0;
};

} // namespace optionseditor

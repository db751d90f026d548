#pragma once

#include <QString>

class QWidget;

namespace leveleditor {

enum class Answer { yes, no, cancel };

// Every message box and file dialog of the editor goes through here, so the window can be
// driven without a modal loop (tests answer from a script).
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A question with Yes, No and Cancel.
    virtual Answer ask(QWidget* parent, const QString& text) = 0;
    // An information notice with an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // The chosen file's full path, or an empty text when the dialog was cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& startFolder, const QString& filter) = 0;
};

} // namespace leveleditor

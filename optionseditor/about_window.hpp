#pragma once

#include "optionseditor/editor_texts.hpp"

#include <QWidget>

class QLabel;
class QPushButton;

namespace optionseditor {

// The credits of the program. Its owner disables itself while it is open.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    void showAbout(Language language);

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* text_;
    QPushButton* okButton_;
};

} // namespace optionseditor

#pragma once

#include <QLabel>

namespace leveleditor {

// A label that acts as a button for as long as the left mouse button holds it down.
class ArrowLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ArrowLabel(QWidget* parent = nullptr);

  signals:
    void pressed();
    void released();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool down_ = false;
};

} // namespace leveleditor

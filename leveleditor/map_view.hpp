#pragma once

#include "engine/engine.hpp"

#include <QWidget>

namespace leveleditor {

// `Picture1`: shows the engine's last frame and hands the mouse to the engine, where the frame
// loop polls it (a click shorter than a frame still reads down for one frame).
class MapView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    explicit MapView(QWidget* parent = nullptr);
    void setEngine(engine::Engine* engine) { engine_ = engine; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void feed(const QPoint& position, bool leftDown);

    engine::Engine* engine_ = nullptr;
    bool leftHeld_ = false;
};

} // namespace leveleditor

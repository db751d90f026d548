#include "leveleditor/map_view.hpp"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace leveleditor {

MapView::MapView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click into the view ends typing in a field, so its value is checked first.
    setFocusPolicy(Qt::ClickFocus);
    // Moves reach the engine whether or not a button is down; the frame loop decides.
    setMouseTracking(true);
}

void MapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::uint32_t* pixels = engine_ != nullptr ? engine_->framePixels() : nullptr;
    if (pixels == nullptr) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    const QImage frame(reinterpret_cast<const uchar*>(pixels), kWidth, kHeight,
                       kWidth * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    painter.drawImage(0, 0, frame);
}

void MapView::feed(const QPoint& position, bool leftDown) {
    if (engine_ != nullptr) {
        engine_->setMouse({position.x(), position.y()}, leftDown);
    }
}

void MapView::mousePressEvent(QMouseEvent* event) {
    // A press that reaches the view only after a message box (a refused field value) has
    // come and gone is over: its release went to the box.
    if (event->button() != Qt::LeftButton || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        return;
    }
    leftHeld_ = true;
    feed(event->position().toPoint(), true);
    // A handle turns with the movement made while it is held, not with the way to it.
    if (engine_ != nullptr) {
        engine_->mouseRelative();
    }
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    feed(event->position().toPoint(), leftHeld_);
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    leftHeld_ = false;
    feed(event->position().toPoint(), false);
}

} // namespace leveleditor

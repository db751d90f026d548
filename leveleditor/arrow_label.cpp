#include "leveleditor/arrow_label.hpp"

#include <QEvent>
#include <QMouseEvent>

namespace leveleditor {

ArrowLabel::ArrowLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setCursor(Qt::PointingHandCursor);
}

void ArrowLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || down_) {
        return;
    }
    down_ = true;
    setFrameShadow(QFrame::Sunken);
    emit pressed();
}

void ArrowLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !down_) {
        return;
    }
    down_ = false;
    setFrameShadow(QFrame::Raised);
    emit released();
}

void ArrowLabel::changeEvent(QEvent* event) {
    // A label disabled while held never sees its release: let go of it here.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && down_) {
        down_ = false;
        setFrameShadow(QFrame::Raised);
        emit released();
    }
    QLabel::changeEvent(event);
}

} // namespace leveleditor

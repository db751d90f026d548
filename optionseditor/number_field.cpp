#include "optionseditor/number_field.hpp"

#include <QFocusEvent>

namespace optionseditor {

NumberCheck checkNumberText(const QString& text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return NumberCheck::notDigits;
        }
    }
    return text.size() > kMaxNumberDigits ? NumberCheck::tooLong : NumberCheck::accepted;
}

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::returnPressed, this, &NumberField::validationRequested);
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
        emit validationRequested();
    }
}

} // namespace optionseditor

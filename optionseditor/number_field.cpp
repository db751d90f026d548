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
    // Only the user moving on counts: a menu, a message box, another program or the window
    // going away take the focus for a moment and would only repeat the question.
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        emit validationRequested();
        break;
    default:
        break;
    }
}

} // namespace optionseditor

#pragma once

#include <QLineEdit>

namespace optionseditor {

// How a typed enemy value fares: digits only (an empty text counts), and short enough that
// the game can still read it as a number.
enum class NumberCheck { accepted, notDigits, tooLong };
inline constexpr int kMaxNumberDigits = 9;
NumberCheck checkNumberText(const QString& text);

// A text field for one enemy value. It asks for validation when Enter is pressed and when the
// user moves the focus to another control.
class NumberField : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberField(QWidget* parent = nullptr);

  signals:
    void validationRequested();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace optionseditor

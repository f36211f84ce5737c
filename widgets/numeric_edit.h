#pragma once

#include <QLineEdit>

#include "core/amount.h"

namespace tallyrix {

class DigitsValidator;

// The edit box of a yen amount. It takes digits only, typed, pasted or from an
// input method (full-width digits become ASCII), at most maxDigits() of them,
// and always shows them with thousands separators. Zero shows as empty.
class NumericEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int DefaultMaxDigits = 9;
    // More would not fit the amount type.
    static constexpr int MostDigits = 14;

    explicit NumericEdit(QWidget* parent = nullptr);

    // Clamped to 1..MostDigits. Digits already shown are kept.
    void setMaxDigits(int digits);
    int maxDigits() const;

    Amount value() const;
    void setValue(Amount amount);

signals:
    // Enter or Return; the dialog decides where focus goes or what registers.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DigitsValidator* m_validator;
};

}  // namespace tallyrix

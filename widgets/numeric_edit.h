#pragma once

#include <QLineEdit>

#include "core/amount.h"

namespace tallyrix {

class DigitsValidator;

// The edit box of a yen amount. It takes digits only, typed, pasted or from an
// input method (full-width digits become ASCII), at most maxDigits() of them,
// and always shows them with thousands separators. Zero shows as empty. What an
// input method commits is read as a typed amount, so a converted "千二百" shows
// as 1,200. Entered from the keyboard, it selects its amount, so typing
// replaces it.
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

    // Zero while the text is no amount.
    Amount value() const;
    void setValue(Amount amount);
    // Whether the text reads as an amount (empty text does).
    bool holdsAmount() const;

    // An input method's commit that reads as no amount is refused unless the
    // owner is to say what is wrong with it: then the text stays for correction
    // and is reported.
    void setKeepsUnreadableText(bool keep) { m_keepsUnreadable = keep; }

signals:
    // Enter or Return; the dialog decides where focus goes or what registers.
    void enterPressed();
    // The whole text after a commit that reads as no amount (kept only).
    void unreadableTextCommitted(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    DigitsValidator* m_validator;
    bool m_keepsUnreadable = false;
};

}  // namespace tallyrix

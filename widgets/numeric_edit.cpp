#include "widgets/numeric_edit.h"

#include <QKeyEvent>
#include <QValidator>

namespace tallyrix {

// Turns whatever reaches the edit into canonical "1,234,567" text: full-width
// digits are made ASCII, separators are dropped and set again, leading zeros
// go. Anything else is refused, so the change is undone and nothing is lost.
class DigitsValidator : public QValidator {
public:
    using QValidator::QValidator;

    int maxDigits = NumericEdit::DefaultMaxDigits;

    State validate(QString& input, int& pos) const override {
        QString digits;
        int digitsBeforeCursor = 0;
        for (int i = 0; i < input.size(); ++i) {
            const char16_t c = input[i].unicode();
            char16_t digit = 0;
            if (c >= u'0' && c <= u'9') {
                digit = c;
            } else if (c >= u'０' && c <= u'９') {
                digit = static_cast<char16_t>(c - u'０' + u'0');
            } else if (c == u',' || c == u'，') {
                continue;
            } else {
                return Invalid;
            }
            digits.append(QChar(digit));
            if (i < pos) {
                ++digitsBeforeCursor;
            }
        }
        qsizetype zeros = 0;
        while (zeros + 1 < digits.size() && digits[zeros] == u'0') {
            ++zeros;
        }
        digits.remove(0, zeros);
        digitsBeforeCursor = std::max<int>(0, digitsBeforeCursor - static_cast<int>(zeros));
        if (digits.size() > maxDigits) {
            return Invalid;
        }

        QString shown;
        int cursor = 0;
        for (qsizetype i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0) {
                shown.append(u',');
            }
            shown.append(digits[i]);
            if (i + 1 == digitsBeforeCursor) {
                cursor = static_cast<int>(shown.size());
            }
        }
        input = shown;
        pos = cursor;
        return Acceptable;
    }
};

NumericEdit::NumericEdit(QWidget* parent)
    : QLineEdit(parent), m_validator(new DigitsValidator(this)) {
    setValidator(m_validator);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Digits are wanted; the input method may still be used and is filtered.
    setInputMethodHints(Qt::ImhPreferNumbers);
}

void NumericEdit::setMaxDigits(int digits) {
    m_validator->maxDigits = std::clamp(digits, 1, MostDigits);
}

int NumericEdit::maxDigits() const {
    return m_validator->maxDigits;
}

Amount NumericEdit::value() const {
    QString plain = text();
    plain.remove(u',');
    Amount amount;
    // Only setText() can put a non-number here; it reads as zero rather than
    // raising in the middle of a dialog.
    if (!tryParseMoney(plain, amount)) {
        return Amount();
    }
    return amount;
}

void NumericEdit::setValue(Amount amount) {
    setText(amount.isZero() ? QString() : amount.toDisplayString());
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Taken here, so it does not also press the dialog's default button.
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace tallyrix

#include "widgets/numeric_edit.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>
#include <optional>

#include "core/typed_amount.h"

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
    // An input method that honours the hint stays off here; one that does not
    // is still read.
    setInputMethodHints(Qt::ImhDigitsOnly);
}

void NumericEdit::setMaxDigits(int digits) {
    m_validator->maxDigits = std::clamp(digits, 1, MostDigits);
}

int NumericEdit::maxDigits() const {
    return m_validator->maxDigits;
}

namespace {

// setValue() may show what typing cannot give: a negative amount.
std::optional<Amount> readShown(const QString& text) {
    QString plain = text;
    plain.remove(u',');
    Amount amount;
    if (tryParseMoney(plain, amount)) {
        return amount;
    }
    const TypedAmount read = readTypedAmount(text, NumericEdit::MostDigits);
    return read.read() ? std::optional(read.value) : std::nullopt;
}

}  // namespace

Amount NumericEdit::value() const {
    // Text that is no amount reads as zero rather than raising in the middle
    // of a dialog; holdsAmount() tells the two apart.
    return readShown(text()).value_or(Amount());
}

bool NumericEdit::holdsAmount() const {
    return readShown(text()).has_value();
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

void NumericEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString whole = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    whole.replace(start, selectedText().size(), commit);
    QString digits = whole;
    int pos = start + static_cast<int>(commit.size());
    if (m_validator->validate(digits, pos) != QValidator::Invalid) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const TypedAmount read = readTypedAmount(whole, maxDigits());
    if (!read.read() && !m_keepsUnreadable) {
        // Refused like a typed letter: the validator undoes it.
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition ends here, whatever becomes of the text.
    QInputMethodEvent ended;
    QLineEdit::inputMethodEvent(&ended);
    if (read.read()) {
        setValue(read.value);
        return;
    }
    setText(whole);
    emit unreadableTextCommitted(whole);
}

void NumericEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
        case Qt::MouseFocusReason:
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            break;
        default:
            // Tab, Enter from the field before and the like: typing replaces.
            selectAll();
    }
}

}  // namespace tallyrix

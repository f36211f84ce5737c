#include "entry/book_data_model.h"

#include "core/cp932.h"
#include "core/prompter.h"
#include "core/text_checks.h"

namespace tallyrix {

QString cutBookName(const QString& name) {
    QString cut = cutToCp932Bytes(name, kBookNameMaxBytes);
    if (cut.size() > kBookNameMaxChars) {
        cut.truncate(kBookNameMaxChars);
        // Half of a surrogate pair is no character at all.
        if (cut.back().isHighSurrogate()) {
            cut.chop(1);
        }
    }
    return cut;
}

BookDataModel::BookDataModel(Prompter& prompter, const QString& name, Amount balance)
    : m_prompter(prompter),
      // The book's own name and balance are shown as they are: only changing
      // the balance must not rename the book behind the user's back.
      m_name(name),
      m_caret(static_cast<int>(name.size())),
      m_balance(balance),
      m_balanceText(balance.toPlainString()) {}

void BookDataModel::nameChange(const QString& text, int caret) {
    const QString cut = cutBookName(text);
    if (cut.size() != text.size()) {
        m_name = cut;
        m_caret = static_cast<int>(cut.size());
        return;
    }
    m_name = text;
    m_caret = qBound(0, caret, static_cast<int>(text.size()));
}

bool BookDataModel::balanceChange(const QString& text) {
    if (text.size() > kBookBalanceMaxDigits) {
        return false;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    m_balanceText = text;
    m_balance = Amount::fromYen(text.toLongLong());
    return true;
}

void BookDataModel::execute() {
    if (m_closed) {
        return;
    }
    // The name is a field of the book line and of every entry line of the book:
    // a "," would split it and shift every later field.
    if (m_name.contains(u',') || m_name.contains(u'"')) {
        m_prompter.showNotice(checkHeading(),
                              QStringLiteral("帳簿名に「,」や「\"」は使えません。"));
        return;
    }
    // The year file is code page 932; such a character would come back as "?".
    if (const auto message = unsavableCharacterMessage(m_name)) {
        m_prompter.showNotice(checkHeading(), *message);
        return;
    }
    m_stored = true;
    m_closed = true;
}

void BookDataModel::cancel() {
    m_closed = true;
}

}  // namespace tallyrix

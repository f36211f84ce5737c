#pragma once

#include <QString>

#include "core/amount.h"

namespace tallyrix {

class Prompter;

// A book name goes into the book line and into every entry line of the book:
// 10 full-width characters at most.
inline constexpr int kBookNameMaxChars = 16;
inline constexpr int kBookNameMaxBytes = 20;
// The opening balance box takes whole yen up to 999,999,999.
inline constexpr int kBookBalanceMaxDigits = 9;

// The book data dialog: the name and opening balance of one petty-cash or bank
// book, "実　行" and "キャンセル". It only edits; the book dialog decides what
// the values do to the year.
class BookDataModel {
public:
    // Where the dialog over this model tells what went wrong.
    Prompter& prompter() const { return m_prompter; }

    BookDataModel(Prompter& prompter, const QString& name = QString(), Amount balance = Amount());

    static QString nameLabel() { return QStringLiteral("帳簿名称"); }
    static QString nameHint() { return QStringLiteral("(全角10文字以内)"); }
    static QString balanceLabel() { return QStringLiteral("残　高"); }
    static QString executeCaption() { return QStringLiteral("実　行"); }
    static QString cancelCaption() { return QStringLiteral("キャンセル"); }

    const QString& name() const { return m_name; }
    // Caret position in the name box, in UTF-16 units.
    int caret() const { return m_caret; }
    // The view forwards every change of the name box. A name too long for a
    // book is cut to its first 20 bytes and 16 characters, the caret to its end.
    void nameChange(const QString& text, int caret);

    Amount balance() const { return m_balance; }
    // What the balance box shows.
    const QString& balanceText() const { return m_balanceText; }
    // The view forwards every change of the balance box: digits only, at most 9
    // of them, empty is 0. Anything else is refused (false) and the box goes
    // back to balanceText().
    bool balanceChange(const QString& text);

    // "実　行": closes with the values; a name that would break the year file is
    // refused with a notice and the dialog stays open.
    void execute();
    // "キャンセル": closes, nothing is kept.
    void cancel();

    bool closed() const { return m_closed; }
    // Closed with "実　行": name() and balance() are the book's new values.
    bool stored() const { return m_stored; }

private:
    Prompter& m_prompter;
    QString m_name;
    int m_caret = 0;
    Amount m_balance;
    QString m_balanceText;
    bool m_closed = false;
    bool m_stored = false;
};

// Cuts a book name to what the name box holds: 20 code page 932 bytes and 16
// characters, a character never split.
QString cutBookName(const QString& name);

}  // namespace tallyrix

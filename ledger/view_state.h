#pragma once

#include <QDate>
#include <QString>
#include <array>

#include "core/amount.h"
#include "yearfile/book.h"

namespace tallyrix {

// The pseudo-book of the all-books view: it owns no line.
inline BookRef allBooks() {
    return {QStringLiteral("全帳簿"), QStringLiteral("全帳簿")};
}

// What the ledger shows and how: the shown period, the selected day and the
// search filters. The current book itself lives in the workspace.
struct ViewState {
    BookRef savedBook;                      // the book a cleared search returns to
    int currentMonth = 1;                   // period 1..12, 13 = all months
    int periodBeforeSearch = 1;             // the last period 1..12 shown
    QDate selectedDate;                     // the calendar's day: day mode and new entries
    bool dayMode = false;                   // "日付指定"
    bool allBooksMode = false;              // "全帳簿から検索"
    QString accountFilter;                  // exact account title
    QString descriptionFilter;              // part of the description, case-sensitive
    QString incomeFilter;                   // the income field, exactly
    QString expenseFilter;                  // the expense field, exactly
    bool redNegatives = false;              // negative balances drawn red
    std::array<Amount, 14> periodIncome{};  // by period, 13 = all months
    std::array<Amount, 14> periodExpense{};

    bool anyFilter() const {
        return !accountFilter.isEmpty() || !descriptionFilter.isEmpty() ||
               !incomeFilter.isEmpty() || !expenseFilter.isEmpty();
    }
};

// One row of the ledger list: a marker ("+", "-", "=", "*", or empty for a
// padding row) and seven texts.
struct LedgerRow {
    QString marker;
    QString date;
    QString title;
    QString description;
    QString income;
    QString expense;
    QString balance;
    QString lineIndex;  // the entry's position in the entry list; empty for other rows

    bool isEntry() const { return !lineIndex.isEmpty(); }
    int line() const { return lineIndex.isEmpty() ? -1 : lineIndex.toInt(); }
};

// One row of the book panel "各帳簿別残高".
struct BookPanelRow {
    BookRef book;
    Amount balance;
    // The hidden record: kind + ";" + name + ";" + balance + ";".
    QString record() const;
    // The first visible column: kind + "|" + name.
    QString caption() const { return book.kind + u'|' + book.name; }
    QString balanceText() const { return balance.toDisplayString(); }
};

}  // namespace tallyrix

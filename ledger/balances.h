#pragma once

#include <QList>
#include <array>
#include <vector>

#include "core/amount.h"
#include "yearfile/workspace.h"

namespace tallyrix {

// What a balance computation leaves behind for the book it computed.
struct BalanceValues {
    Amount opening;
    // Slots 1..12 by period number: the balance after the book's last entry in
    // that period or an earlier one of the year. Slot 13 (all months) stays 0.
    std::array<Amount, 14> monthEnd{};
    Amount closing;
    Amount displayedMonth;
};

// The opening balance of a book: the header's for the main cash book, the book
// line's (a whole number, else 0; the last matching line wins) for the others.
Amount bookOpeningBalance(const Workspace& ws, const BookRef& book);

// The period whose month-end balance a date counts in: the first period holding
// it; before the year the first period, after it the last one; in a gap between
// periods the period before the gap.
int balancePeriodOfDate(const PeriodTable& table, const QDate& date);

// Recomputes the running balance of every line of the book (its own lines and
// the transfers that name it as counterpart, with income and expense exchanged)
// and writes it into the lines' balance fields. `currentMonth` (1..13) picks the
// displayed-month balance.
BalanceValues computeBookBalances(Workspace& ws, const BookRef& book, int currentMonth);

// The same for several books in one pass over the entry list, with the outcome
// of computing them one after the other in the order given: a transfer between
// two of them keeps the balance of the later one in its balance field. The
// values come in the order of `books`.
std::vector<BalanceValues> computeBalancesOfBooks(Workspace& ws, const QList<BookRef>& books,
                                                  int currentMonth);

// Rewrites the month key of every entry line from its date and the periods.
void reassignMonthKeys(Workspace& ws);

}  // namespace tallyrix

#pragma once

#include <QDate>
#include <optional>
#include <vector>

#include "ledger/balances.h"
#include "ledger/view_state.h"
#include "yearfile/workspace.h"

namespace tallyrix {

// The rows of one refresh of the ledger and what they add up to.
struct LedgerRows {
    std::vector<LedgerRow> rows;
    // The incomes and expenses of the entry rows, as the book sees them.
    Amount income;
    Amount expense;
    // A total row was written (only after at least one row).
    bool hasTotal = false;
    // The last line of the entry list examined, the progress of the status line.
    std::optional<int> lastLineExamined;
};

// The rows the view shows: the carry-in row, one row per line of the period
// that the book, the day and the filters take (with its date text, transfer
// mark, amounts as the book sees them and balance or running sum), the total
// row and the carry-out or end row. `balances` are those of the current book,
// just computed. No padding rows.
LedgerRows buildLedgerRows(const Workspace& ws, const ViewState& state,
                           const BalanceValues& balances);

// The first line of period 1..12 in the entry list (found by its month key
// field only), or the list's count when the period has none.
int firstLineOfPeriod(const Workspace& ws, int period);

// The ledger's date texts: "07月03日" and "2015年07月03日".
QString monthDayText(const QDate& date);
QString longDayText(const QDate& date);

}  // namespace tallyrix

#pragma once

#include "core/amount.h"
#include "yearfile/book.h"

namespace tallyrix {

// What the year-file commands need from the rest of the main window: the panes
// to clear, the refresh after a year arrives, and a book's balance. The ledger
// provides it; the file commands stay below the ledger.
class YearHost {
public:
    virtual ~YearHost() = default;

    // Before a year is read or prepared: the analysis panes return to empty.
    virtual void clearAnalysis() {}
    enum class Arrival { Opened, Created };
    // After a year was read or prepared: account titles of the usage type, month
    // tabs with today's month, the main cash book current, balances and ledger.
    virtual void yearLoaded(Arrival arrival) { (void)arrival; }
    // Makes a book current and shows it (the book switch of the book panel).
    virtual void showBook(const BookRef& book) { (void)book; }
    // After a save: the status bar shows the saved file.
    virtual void yearSaved() {}
    // Computes the balances of one book and answers its closing balance.
    virtual Amount closingBalance(const BookRef& book) = 0;
};

}  // namespace tallyrix

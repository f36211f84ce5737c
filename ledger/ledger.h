#pragma once

#include <QDate>
#include <functional>

#include "ledger/balances.h"
#include "yearfile/workspace.h"
#include "yearfile/year_host.h"

namespace tallyrix {

// The ledger side of the main window: the shown fiscal month, the balances of
// the current book and the refresh that recomputes every book.
class Ledger : public YearHost {
public:
    using Today = std::function<QDate()>;

    explicit Ledger(Workspace& ws, Today today = &QDate::currentDate);

    Workspace& workspace() { return m_ws; }
    int currentMonth() const { return m_currentMonth; }
    void setCurrentMonth(int month) { m_currentMonth = month; }
    // The values the last computation of the current book left.
    const BalanceValues& balances() const { return m_balances; }

    // Recomputes every book in panel order, then the current book.
    void refresh();
    // "日付再計算": month keys from the dates, then balances and the ledger.
    void dateAgain();
    // "金額再計算": balances and the ledger.
    void kingakuAgain();

    // The year-file commands' view of the ledger.
    void yearLoaded() override;
    void showBook(const BookRef& book) override;
    Amount closingBalance(const BookRef& book) override;

private:
    Workspace& m_ws;
    Today m_today;
    int m_currentMonth = 1;
    BalanceValues m_balances;
};

}  // namespace tallyrix

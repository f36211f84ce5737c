#include "ledger/ledger.h"

namespace tallyrix {

Ledger::Ledger(Workspace& ws, Today today) : m_ws(ws), m_today(std::move(today)) {
    m_currentMonth = m_today().month();
}

void Ledger::refresh() {
    for (const BookRef& book : booksInPanelOrder(m_ws)) {
        TOTALCHECK(m_ws, book, m_currentMonth);
    }
    m_balances = TOTALCHECK(m_ws, m_ws.currentBook, m_currentMonth);
}

void Ledger::dateAgain() {
    MONTHCHECK(m_ws);
    m_balances = TOTALCHECK(m_ws, m_ws.currentBook, m_currentMonth);
    refresh();
}

void Ledger::kingakuAgain() {
    m_balances = TOTALCHECK(m_ws, m_ws.currentBook, m_currentMonth);
    refresh();
}

void Ledger::yearLoaded() {
    m_currentMonth = m_today().month();
    m_balances = BalanceValues{};
    showBook(m_ws.mainBook());
}

void Ledger::showBook(const BookRef& book) {
    m_ws.currentBook = book;
    m_balances = TOTALCHECK(m_ws, book, m_currentMonth);
    refresh();
}

Amount Ledger::closingBalance(const BookRef& book) {
    m_balances = TOTALCHECK(m_ws, book, m_currentMonth);
    return m_balances.closing;
}

}  // namespace tallyrix

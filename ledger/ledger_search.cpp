#include "ledger/ledger_search.h"

#include "core/app_title.h"
#include "core/prompter.h"
#include "ledger/balances.h"

namespace tallyrix {

void LedgerSearch::searchByTitle(TitlePicker& picker) {
    if (const auto title = picker.pickTitle()) {
        m_view.state().accountFilter = *title;
    } else {
        m_view.state().dayMode = false;
    }
    m_view.refresh();
}

void LedgerSearch::accountListClick(const QString& title) {
    m_view.state().accountFilter = title;
    m_view.refresh();
}

bool LedgerSearch::editFilter(QString& filter, const QString& prompt) {
    const auto text = m_prompter.inputBox(applicationTitle(), prompt, filter);
    if (!text) {
        return false;
    }
    filter = *text;
    m_view.refresh();
    return true;
}

void LedgerSearch::searchByDescription() {
    ViewState& s = m_view.state();
    const LedgerRow* row = m_view.selectedLedgerRow();
    if (row && row->isEntry() && row->line() < m_view.workspace().entries.count()) {
        s.descriptionFilter = m_view.workspace().entries.at(row->line()).field(DescriptionField);
    }
    editFilter(s.descriptionFilter, QStringLiteral("摘要を入力してください。"));
}

void LedgerSearch::searchByIncome() {
    editFilter(m_view.state().incomeFilter, QStringLiteral("収入金額を入力してください。"));
}

void LedgerSearch::searchByExpense() {
    editFilter(m_view.state().expenseFilter, QStringLiteral("支出金額を入力してください。"));
}

void LedgerSearch::showSearchConditions() {
    const ViewState& s = m_view.state();
    m_prompter.showNotice(
        QStringLiteral("確認"),
        QStringLiteral(
            "現在の検索条件は下記です。\r\n----------------------------------------------------\r\n"
            "科  目:") +
            s.accountFilter + QStringLiteral("\r\n摘  要:") + s.descriptionFilter +
            QStringLiteral("\r\n収入金額:") + s.incomeFilter + QStringLiteral("\r\n支出金額:") +
            s.expenseFilter);
}

void LedgerSearch::clear(int kind) {
    ViewState& s = m_view.state();
    switch (kind) {
        case ClearDescription:
            s.descriptionFilter.clear();
            break;
        case ClearAccount:
            break;
        case ClearIncome:
            s.incomeFilter.clear();
            break;
        case ClearExpense:
            s.expenseFilter.clear();
            break;
        default:
            s.descriptionFilter.clear();
            s.incomeFilter.clear();
            s.expenseFilter.clear();
            break;
    }
    // Every clear ends the account search too.
    s.accountFilter.clear();
    s.dayMode = false;
    s.allBooksMode = false;
    m_view.returnToSavedBook();
    s.currentMonth = s.periodBeforeSearch;
    m_view.refresh();
}

void LedgerSearch::runSearch() {
    if (m_view.state().allBooksMode) {
        m_view.switchBook(LedgerModel::AllBooksTarget);
        return;
    }
    m_view.returnToSavedBook();
    m_view.refresh();
}

}  // namespace tallyrix

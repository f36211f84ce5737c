#pragma once

#include <QString>
#include <optional>

#include "ledger/ledger_model.h"

namespace tallyrix {

class Prompter;

// The account-title dialog in search mode: the title double-clicked, or nothing
// when it was cancelled.
class TitlePicker {
public:
    virtual ~TitlePicker() = default;
    virtual std::optional<QString> pickTitle() = 0;
};

// The search commands: they set the filters of the ledger view and refresh it;
// the rows themselves are built by the ledger view.
class LedgerSearch {
public:
    enum ClearKind {
        ClearAll = 0,
        ClearDescription = 1,
        ClearAccount = 2,
        ClearIncome = 3,
        ClearExpense = 4
    };

    LedgerSearch(LedgerModel& view, Prompter& prompter) : m_view(view), m_prompter(prompter) {}

    // "科目検索".
    void searchByTitle(TitlePicker& picker);
    // A title of the side panel's account list.
    void accountListClick(const QString& title);
    // "摘要で検索(部分一致)".
    void searchByDescription();
    // "収入金額で検索" / "支出金額で検索".
    void searchByIncome();
    void searchByExpense();
    // "現在の検索条件を表示".
    void showSearchConditions();
    // "検索解除" and the four single clears.
    void clear(int kind);
    // "全帳簿から検索": only marks the wish.
    void setAllBooks(bool ticked) { m_view.state().allBooksMode = ticked; }
    // "検索実行".
    void runSearch();

private:
    bool editFilter(QString& filter, const QString& prompt);

    LedgerModel& m_view;
    Prompter& m_prompter;
};

}  // namespace tallyrix

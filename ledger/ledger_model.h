#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "ledger/balances.h"
#include "ledger/ledger_rows.h"
#include "ledger/view_state.h"
#include "yearfile/workspace.h"
#include "yearfile/year_host.h"

namespace tallyrix {

class Prompter;

// What the ledger asks of its window: sounds, pages and the calendar.
class LedgerView {
public:
    virtual ~LedgerView() = default;
    virtual void beep() {}
    // The side panel's account page and the ledger page come to the front.
    virtual void showLedgerPage() {}
    // The calendar shows the month of the date, the date selected.
    virtual void calendarShows(const QDate& date) { (void)date; }
    // Shift+click on a calendar day: the day's holiday mark is toggled.
    virtual void toggleHoliday(const QDate& date) { (void)date; }
    // The year was read or prepared: the account titles of its usage type reload.
    virtual void yearArrived() {}
    // Before a year is read or prepared: the summary of the analysis pages empties.
    virtual void analysisCleared() {}
    // The rows, labels and panels were rebuilt.
    virtual void ledgerRefreshed() {}
};

// The ledger's part of the status line.
struct LedgerStatus {
    QString bookKind;  // the current book
    QString bookName;
    QString tabMonth;  // the month of the tab chosen; empty after an open or a save
    QString progress;  // the line of the entry list the last refresh examined last
    QString year;      // the calendar year and the period shown, which printing reads
    QString month;
};

// Lets the user pick a petty-cash or bank book; the index of its book line.
class BookChooser {
public:
    virtual ~BookChooser() = default;
    virtual std::optional<int> chooseBook(const QString& kind, const QString& title) = 0;
};

// The ledger page of the main window: the rows of the shown period of the
// current book, its labels, the book panel and the commands that move the view.
class LedgerModel : public YearHost {
public:
    using Today = std::function<QDate()>;
    enum BookTarget { AllBooksTarget = 0, MainBookTarget = 1, PettyCashTarget = 2, BankTarget = 3 };

    LedgerModel(Workspace& ws, Prompter& prompter, Today today = &QDate::currentDate);

    void setListener(LedgerView* listener) { m_listener = listener ? listener : &m_silent; }
    void setBookChooser(BookChooser* chooser) { m_chooser = chooser; }
    // Rows beyond the written ones up to one more than the window shows.
    void setVisibleRowCount(int rows) { m_visibleRows = rows; }

    Workspace& workspace() { return m_ws; }
    const Workspace& workspace() const { return m_ws; }
    ViewState& state() { return m_state; }
    const ViewState& state() const { return m_state; }
    QDate today() const { return m_today(); }

    // The refresh: book panel, balances, rows and labels.
    void refresh();
    // Shows period m (0 or 13: all months, only with an account search).
    void showPeriod(int m);
    // A period tab: 0 is "ALL", k = 1..12 the k-th month of the fiscal year.
    void tabChosen(int k);
    // A day of the calendar; with Shift its holiday mark is toggled first.
    void chooseDay(const QDate& date, bool shift = false);
    // "今日:".
    void showToday();
    // The calendar shows the month of the date, the date selected.
    void selectDate(const QDate& date);
    // "先頭行へ移動" / "最終行へ移動".
    void selectFirstRow();
    void selectLastRow();
    void selectRow(int row) { m_selectedRow = row; }

    // The book shown before the search becomes current again (no refresh).
    void returnToSavedBook();
    // Switches the current book (targets above); false when the choice was cancelled.
    bool switchBook(int target);
    // Rebuilds the book panel.
    void rebuildBookPanel();
    // "日付再計算" / "金額再計算".
    void recomputeDates();
    void recomputeBalances();

    // The rows (0 is the first row under the column headers) and the selection.
    const std::vector<LedgerRow>& rows() const { return m_rows; }
    int selectedRow() const { return m_selectedRow; }
    const LedgerRow* selectedLedgerRow() const;
    const QString& titleLabel() const { return m_titleLabel; }
    const QString& rangeLabel() const { return m_rangeLabel; }
    // Income total, expense total and their difference of the shown rows.
    const std::array<QString, 3>& totalTexts() const { return m_totalTexts; }
    // The ledger tab selected: 0 "ALL", 1..12 in fiscal order.
    int selectedTab() const { return m_selectedTab; }
    QStringList tabCaptions() const;
    const LedgerStatus& status() const { return m_status; }
    LedgerStatus& status() { return m_status; }
    const std::vector<BookPanelRow>& bookPanel() const { return m_bookPanel; }
    // "images/bar1.bmp" .. "images/bar3.bmp" and the label above the ledger.
    const QString& headerPicture() const { return m_headerPicture; }
    const QString& bookLabel() const { return m_bookLabel; }
    // The values the last computation of the current book left.
    const BalanceValues& balances() const { return m_balances; }

    // The year-file commands' view of the ledger.
    void clearAnalysis() override;
    void yearLoaded(Arrival arrival) override;
    void yearSaved() override;
    void showBook(const BookRef& book) override;
    Amount closingBalance(const BookRef& book) override;

private:
    void buildRows();
    // The panel's books and their values (the first of `values`).
    void fillBookPanel(const QList<BookRef>& panel, const std::vector<BalanceValues>& values);
    void showPeriodInTabAndStatus();
    void padRows();
    void setTitleLabel();
    void setRangeLabel();
    void setBook(const BookRef& book, int target);
    int targetOf(const BookRef& book) const;

    Workspace& m_ws;
    Prompter& m_prompter;
    Today m_today;
    LedgerView m_silent;
    LedgerView* m_listener = &m_silent;
    BookChooser* m_chooser = nullptr;
    ViewState m_state;
    BalanceValues m_balances;
    std::vector<LedgerRow> m_rows;
    std::vector<BookPanelRow> m_bookPanel;
    LedgerStatus m_status;
    std::array<QString, 3> m_totalTexts;
    QString m_titleLabel;
    QString m_rangeLabel;
    QString m_headerPicture = QStringLiteral("images/bar1.bmp");
    QString m_bookLabel;
    int m_selectedRow = 0;
    int m_selectedTab = 0;
    int m_visibleRows = 0;
};

}  // namespace tallyrix

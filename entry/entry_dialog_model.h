#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "core/amount.h"
#include "core/folders.h"
#include "entry/beeper.h"
#include "entry/description_lists.h"
#include "entry/list_page.h"
#include "ledger/calendar_month.h"
#include "yearfile/book.h"

namespace tallyrix {

class LedgerModel;
class Prompter;
struct Workspace;

// The entry dialog: a new entry or the edit of one, with its date, its book and
// counterpart, the account title or book picked from the three list pages, the
// description and one amount. Registering checks everything, builds the line and
// puts it in date order; the ledger is refreshed after every change.
class EntryDialogModel {
public:
    // Where the dialog over this model tells what went wrong.
    Prompter& prompter() const { return m_prompter; }

    enum class Mode { New, Edit };
    enum class AmountField { Income, Expense };
    // The most digits an amount field takes.
    static constexpr int AmountDigits = 9;

    EntryDialogModel(LedgerModel& ledger, Prompter& prompter, Folders folders, Holidays& holidays,
                     Beeper& beeper);
    ~EntryDialogModel();

    // The account titles of the usage type, in master order (empty items included).
    void setAccountTitles(const QStringList& titles) { m_titles = titles; }

    // Opens for a new entry of the current book on the date.
    void openNew(const QDate& date);
    // Opens for the entry at the line index of the entry list.
    void openEdit(int line);

    Mode mode() const { return m_mode; }
    bool closed() const { return m_closed; }
    int editedLine() const { return m_editedLine; }
    const QDate& entryDate() const { return m_date; }
    QString yearText() const { return m_date.toString(QStringLiteral("yyyy")); }
    QString monthText() const { return m_date.toString(QStringLiteral("MM")); }
    QString dayText() const { return m_date.toString(QStringLiteral("dd")); }
    const BookRef& ownBook() const { return m_own; }
    const BookRef& counterpart() const { return m_counterpart; }

    // The list pages and what they offer.
    ListPage page() const { return m_page; }
    QStringList pageItems(ListPage page) const;
    int pickedIndex() const { return m_picked[static_cast<size_t>(m_page)]; }
    QString pageCaption(ListPage page) const;
    // "科　目", "小口現金帳簿" or "預金出納帳簿": the label of the account field.
    QString titleLabel() const;
    // Changing the page empties the fields; an item still picked on the new
    // page is the account again, as the list shows it highlighted.
    void changePage(ListPage page);
    void pick(int index);
    // Text typed into the list: the first item starting with it is picked; a
    // beep when none does.
    void typeInList(const QString& typed);

    // The fields the user fills.
    const QString& title() const { return m_title; }
    const QString& description() const { return m_description; }
    void setDescription(const QString& text) { m_description = text; }
    Amount income() const { return m_amounts[0].value; }
    Amount expense() const { return m_amounts[1].value; }
    void setIncome(Amount amount) { m_amounts[0] = {amount, {}}; }
    void setExpense(Amount amount) { m_amounts[1] = {amount, {}}; }
    // An amount field's text as it stands, read at once. Text that names no
    // amount is kept as typed and counts as zero until corrected.
    void setAmountText(AmountField field, const QString& text);
    // The kept text of a field that names no amount; empty when it holds one.
    const QString& unreadAmountText(AmountField field) const {
        return m_amounts[index(field)].unread;
    }
    // The user committed the field's text (an input method's conversion): text
    // that names no amount is refused with a notice naming it.
    void amountTextCommitted(AmountField field);
    // Where Enter in the description field goes: to the income field when the
    // latest entry of the picked account title in the year was an income,
    // else to the expense field.
    AmountField amountAfterDescription() const;
    bool continuousInput() const { return m_continuous; }
    void setContinuousInput(bool on) { m_continuous = on; }

    // The calendar: a click, "<<", ">>", "今日:" set the entry date.
    CalendarMonth& calendar() { return *m_calendar; }
    void calendarClick(int cell, bool shift);
    void previousMonth();
    void nextMonth();
    void today();
    // The entry date a number of days or months on (back when negative); a
    // month on keeps the day where the month has it.
    void moveDate(int days);
    void moveMonths(int months);

    // The description grid beside the description field.
    DescriptionLists& descriptions() { return *m_descriptions; }
    // A click on the grid: the description field takes the cell's text.
    void descriptionClick(int column, int row);

    // "登　録". False when it was refused or declined.
    bool registerEntry();
    // "削  除" (edit mode only).
    void deleteEntry();
    // "閉じる".
    void close() { m_closed = true; }

private:
    struct AmountInput {
        Amount value;
        QString unread;
    };
    static size_t index(AmountField field) { return field == AmountField::Income ? 0 : 1; }
    bool refusedAmountText(AmountField field);
    bool refused(const QString& heading, const QString& text);
    bool checkFields();
    int periodForDate();
    QString storedTitle(BookRef& counterpart) const;
    QString entryLine(int period, const QString& title, const BookRef& counterpart,
                      int sequence) const;
    void place(const QString& line);
    void setDate(const QDate& date);
    void clearFields();
    void pickText(ListPage page, const QString& text);

    LedgerModel& m_ledger;
    Workspace& m_ws;
    Prompter& m_prompter;
    Folders m_folders;
    std::unique_ptr<CalendarMonth> m_calendar;
    std::unique_ptr<DescriptionLists> m_descriptions;
    Beeper& m_beeper;
    QStringList m_titles;

    Mode m_mode = Mode::New;
    bool m_closed = true;
    int m_editedLine = -1;
    QString m_dateBefore;
    QDate m_date;
    BookRef m_own;
    BookRef m_counterpart;
    ListPage m_page = ListPage::AccountTitles;
    std::array<int, 3> m_picked{-1, -1, -1};
    QString m_title;
    QString m_description;
    std::array<AmountInput, 2> m_amounts{};
    bool m_continuous = true;
};

}  // namespace tallyrix

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

class LedgerView;
class Prompter;
struct Workspace;

// The entry dialog: a new entry or the edit of one, with its date, its book and
// counterpart, the account title or book picked from the three list pages, the
// description and one amount. Registering checks everything, builds the line and
// puts it in date order; the ledger is refreshed after every change.
class Tfdatain {
public:
    enum class Mode { New, Edit };

    Tfdatain(LedgerView& ledger, Prompter& prompter, Folders folders, Holidays& holidays,
             Beeper& beeper);
    ~Tfdatain();

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
    void changePage(ListPage page);
    void pick(int index);

    // The fields the user fills.
    const QString& title() const { return m_title; }
    const QString& description() const { return m_description; }
    void setDescription(const QString& text) { m_description = text; }
    Amount income() const { return m_income; }
    Amount expense() const { return m_expense; }
    void setIncome(Amount amount) { m_income = amount; }
    void setExpense(Amount amount) { m_expense = amount; }
    bool continuousInput() const { return m_continuous; }
    void setContinuousInput(bool on) { m_continuous = on; }

    // The calendar: a click, "<<", ">>", "今日:" set the entry date.
    CalendarMonth& calendar() { return *m_calendar; }
    void calendarClick(int cell, bool shift);
    void previousMonth();
    void nextMonth();
    void today();

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

    LedgerView& m_ledger;
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
    Amount m_income;
    Amount m_expense;
    bool m_continuous = true;
};

}  // namespace tallyrix

#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/amount.h"
#include "ledger/ledger_model.h"

namespace tallyrix {

class Prompter;
class BookDataModel;
class BookChoiceModel;

// The book dialog's grid: initial widths of the name and balance columns.
inline constexpr int kBookNameColumnWidth = 212;
inline constexpr int kBookBalanceColumnWidth = 103;

// One row of the book grid: a book line's name and opening balance.
struct BookGridRow {
    QString name;
    Amount opening;
    // "\1,500", "\-1,500": the program's currency form.
    QString openingText() const { return opening.toCurrencyString(); }
    // The same with the yen sign, as the screen draws it.
    QString openingYenText() const { return opening.toYenString(); }
};

// What the book dialogs need from their windows.
class BookChoiceView {
public:
    virtual ~BookChoiceView() = default;
    // Shows the book dialog modally until it closes.
    virtual void showBookChoice(BookChoiceModel& dialog) = 0;
    // Shows the book data dialog modally until it closes.
    virtual void showBookData(BookDataModel& dialog) = 0;
};

// The book dialog of one kind ("小口" or "預金"): picks the book to show and
// keeps the kind's book list, renaming and deleting the book's entry lines with
// it. Every change reaches the main window's ledger and book panel at once.
class BookChoiceModel {
public:
    // Where the dialog over this model tells what went wrong.
    Prompter& prompter() const { return m_prompter; }

    // An empty title is the kind's own: "小口現金帳簿選択" or "預金帳簿選択".
    BookChoiceModel(LedgerModel& ledger, Prompter& prompter, BookChoiceView& view,
                    const QString& kind, const QString& title = QString());

    const QString& kind() const { return m_kind; }
    const QString& title() const { return m_title; }
    static QStringList gridHeader() {
        return {QStringLiteral("帳簿名"), QStringLiteral("前年度残")};
    }
    // One row per book line of the kind, in list order.
    const std::vector<BookGridRow>& rows() const { return m_rows; }
    // The selected book's index in the kind's list; -1 for none.
    int selection() const { return m_selection; }
    // A click on a row; rows outside the grid leave the selection.
    void selectRow(int row);

    // "新規追加"
    void addBook();
    // "名称・残高変更"
    void changeBook();
    // "削　除"
    void deleteBook();
    // "選　択"
    void chooseSelected();
    // A double-click on a book row selects it and closes with it.
    void rowDoubleClick(int row);
    // "キャンセル"
    void cancel();

    bool closed() const { return m_closed; }
    // The chosen book's index in the kind's list, once closed with one.
    const std::optional<int>& result() const { return m_result; }

    // Removes every entry line that belongs to the book or names it as the
    // counterpart, then refreshes the ledger.
    void deleteBookEntries(const QString& kind, const QString& name);

private:
    LineStore& books() { return m_ledger.workspace().bookLines(m_kind); }
    QString nameAt(int index) const;
    bool nameTaken(const QString& name, int except) const;
    // Shows the book data dialog; true when it was closed with "実　行".
    bool editBookData(BookDataModel& data);
    QString bookLine(const BookDataModel& data) const;
    void renameEntries(const QString& oldName, const QString& newName);
    void followRename(const BookRef& oldBook, const BookRef& newBook);
    void fillGrid();
    void changed();

    LedgerModel& m_ledger;
    Prompter& m_prompter;
    BookChoiceView& m_view;
    QString m_kind;
    QString m_title;
    std::vector<BookGridRow> m_rows;
    int m_selection = -1;
    bool m_closed = false;
    std::optional<int> m_result;
};

// The ledger's book switch through the book dialog.
class DialogBookChooser : public BookChooser {
public:
    DialogBookChooser(LedgerModel& ledger, Prompter& prompter, BookChoiceView& view)
        : m_ledger(ledger), m_prompter(prompter), m_view(view) {}

    // The index of the chosen book line; nothing when the dialog was cancelled.
    std::optional<int> chooseBook(const QString& kind, const QString& title) override;

private:
    LedgerModel& m_ledger;
    Prompter& m_prompter;
    BookChoiceView& m_view;
};

}  // namespace tallyrix

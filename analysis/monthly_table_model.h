#pragma once

#include <QString>
#include <vector>

#include "analysis/monthly_table.h"
#include "analysis/summary_figures.h"
#include "analysis/table_layout.h"
#include "yearfile/workspace.h"

namespace tallyrix {

class Prompter;

// What the table page asks of its window.
class MonthlyTableView {
public:
    virtual ~MonthlyTableView() = default;
    // A double-click on a row that cannot be opened.
    virtual void beep() {}
    // The table was computed: its page comes to the front.
    virtual void tableComputed() {}
};

// The page "月別一覧表" and its graph page "入出金グラフ": the book chooser, the
// level with its selected title, the grid, the summary it refreshes and the
// grid's column widths. Every computation reads the entries afresh.
class MonthlyTableModel {
public:
    MonthlyTableModel(const Workspace& ws, Prompter& prompter);

    void setView(MonthlyTableView* view) { m_view = view ? view : &m_silent; }

    // The page is entered ("月別科目一覧表", the tool tab): the chooser is filled
    // anew with "全帳簿" selected, and the table computed at the account level.
    void enterPage();
    // "集計": the account level of the chosen book.
    void sum();
    // An item of the book chooser was chosen.
    void chooseBook(int index);
    // A double-click on a grid row (0 is the heading row).
    void openRow(int row);
    // The description level of a title, whether or not it is a row now.
    void openTitle(const QString& title);
    // "Back": from the descriptions back to the account titles. Only told
    // while the print preview is shown or at the account level already.
    void back(bool printPreviewShown);
    // A year was opened or started: the summary returns to empty.
    void resetSummary(int year) {
        m_summary.reset(year);
        ++m_revision;
    }

    // Computes the table at a level for the chosen book and refreshes the summary.
    void compute(TableLevel level);

    const MonthlyTable& table() const { return m_table; }
    // Counts the computations, so that a window redraws only a changed table.
    int revision() const { return m_revision; }
    const SummaryFigures& summary() const { return m_summary; }
    TableLevel level() const { return m_table.level(); }
    const QString& selectedTitle() const { return m_selectedTitle; }
    // Panel 1 of the page's status line: the selected title at the description level.
    const QString& statusTitle() const { return m_selectedTitle; }
    QString sideCaption() const { return m_table.sideCaption(); }

    // The book chooser: names shown and kinds, item 0 all books.
    const std::vector<TableBookItem>& books() const { return m_books; }
    int bookIndex() const { return m_bookIndex; }
    // The chooser's text: the name of the chosen item.
    QString bookName() const;

    // Column widths, read at start-up and written at close.
    const TableColumnWidths& columnWidths() const { return m_widths; }
    void setColumnWidth(int column, int width);
    void loadColumnWidths(const Folders& folders);
    void saveColumnWidths(const Folders& folders) const;

    // A row title that can be opened to its descriptions.
    static bool isOpenableRow(const MonthlyTable& table, int row);

    // The messages of "Back".
    static QString topLevelText() {
        return QStringLiteral("現在は科目一覧表示中です、これ以上は戻れません");
    }
    static QString previewShownText() { return QStringLiteral("現在印刷プレビュー中です"); }

private:
    void fillBookChooser();
    TableBookItem chosenBook() const;

    const Workspace& m_ws;
    Prompter& m_prompter;
    MonthlyTableView m_silent;
    MonthlyTableView* m_view = &m_silent;
    MonthlyTable m_table;
    SummaryFigures m_summary;
    TableColumnWidths m_widths;
    std::vector<TableBookItem> m_books;
    int m_bookIndex = 0;
    QString m_selectedTitle;
    int m_revision = 0;
};

}  // namespace tallyrix

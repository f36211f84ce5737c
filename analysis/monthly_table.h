#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "yearfile/entry_list.h"
#include "yearfile/period_table.h"
#include "yearfile/workspace.h"

namespace tallyrix {

// One item of the table's book chooser: the name shown (notes_select) and the
// book's kind (notes_link). Item 0, "全帳簿" of kind "全帳簿", stands for all books.
struct TableBookItem {
    QString name;
    QString kind;

    bool isAllBooks() const { return kind == allBooksText(); }
    static QString allBooksText() { return QStringLiteral("全帳簿"); }
    friend bool operator==(const TableBookItem&, const TableBookItem&) = default;
};

// The chooser's items: all books, the main cash book, every petty-cash book and
// every bank book, in the order of their book lists.
std::vector<TableBookItem> tableBookItems(const Workspace& ws);

// The two levels of the table: totals by account title, or by description
// under one chosen title.
enum class TableLevel { Accounts = 0, Descriptions = 1 };

// The monthly account table as shown: a grid of display texts, 15 columns wide.
// Row 0 is the heading row; column 0 holds the markers ("-" part heading, "="
// the last row), column 1 the titles, columns 2..13 the fiscal months and
// column 14 the yearly total. The print composers and the CSV export read it
// as it stands after the last computation.
class MonthlyTable {
public:
    static constexpr int kColumns = 15;
    static constexpr int kMarkerColumn = 0;
    static constexpr int kTitleColumn = 1;
    static constexpr int kFirstMonthColumn = 2;
    static constexpr int kLastMonthColumn = 13;
    static constexpr int kYearColumn = 14;
    // The grid never has fewer rows; it grows as a table needs, and never shrinks.
    static constexpr int kMinimumRows = 50;

    MonthlyTable();

    // Rebuilds the grid from the entries. With an empty entry list only the
    // heading row is set and false is answered (the summary keeps its figures).
    // Raises ConversionError when a sum leaves the amount range.
    bool compute(const EntryList& entries, const PeriodTable& periods, const TableBookItem& book,
                 TableLevel level, const QString& selectedTitle);

    int rowCount() const { return static_cast<int>(m_cells.size()); }
    // The text of a cell; empty outside the grid.
    const QString& cell(int row, int column) const;
    const QString& marker(int row) const { return cell(row, kMarkerColumn); }
    const QString& title(int row) const { return cell(row, kTitleColumn); }
    // The texts of columns 0..14 of a row.
    QStringList rowTexts(int row) const;
    // The last row holding any text (0 when only the heading row does).
    int lastFilledRow() const;

    // The rows of the income and expense totals, 0 when the part is absent.
    int incomeTotalRow() const { return m_incomeTotalRow; }
    int expenseTotalRow() const { return m_expenseTotalRow; }

    // What the last computation was asked for.
    TableLevel level() const { return m_level; }
    const QString& selectedTitle() const { return m_selectedTitle; }
    const TableBookItem& book() const { return m_book; }
    // "月別科目一覧表", or the selected title followed by "明細表".
    QString sideCaption() const;

    // The heading of fiscal month k (1..12) for a start month: "4月度".
    static QString monthHeading(int startMonth, int k);

private:
    void setUpColumns(const PeriodTable& periods);
    QString& at(int row, int column) {
        return m_cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }

    std::vector<std::array<QString, kColumns>> m_cells;
    int m_incomeTotalRow = 0;
    int m_expenseTotalRow = 0;
    TableLevel m_level = TableLevel::Accounts;
    QString m_selectedTitle;
    TableBookItem m_book{TableBookItem::allBooksText(), TableBookItem::allBooksText()};
};

// The texts of the table's fixed rows.
inline QString incomePartHeading() {
    return QStringLiteral("■収入の部");
}
inline QString expensePartHeading() {
    return QStringLiteral("■支出の部");
}
inline QString partTotalTitle() {
    return QStringLiteral("　[合　計]");
}
inline QString balanceRowTitle() {
    return QStringLiteral("【収　支　計】");
}

}  // namespace tallyrix

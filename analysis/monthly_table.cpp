#include "analysis/monthly_table.h"

#include "analysis/table_pass.h"

namespace tallyrix {
namespace {

const QString& emptyText() {
    static const QString empty;
    return empty;
}

// The amounts of one table row: twelve months and the year.
struct RowAmounts {
    std::array<Amount, 12> months{};
    Amount year;
};

RowAmounts yearOf(const MonthSums& sums) {
    RowAmounts row;
    row.months = sums.amounts;
    for (const Amount& a : sums.amounts) {
        row.year += a;
    }
    return row;
}

}  // namespace

std::vector<TableBookItem> tableBookItems(const Workspace& ws) {
    std::vector<TableBookItem> items{
        {TableBookItem::allBooksText(), TableBookItem::allBooksText()}};
    for (const BookRef& book : booksInPanelOrder(ws)) {
        items.push_back({book.name, book.kind});
    }
    return items;
}

MonthlyTable::MonthlyTable() : m_cells(kMinimumRows) {}

const QString& MonthlyTable::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns) {
        return emptyText();
    }
    return m_cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

QStringList MonthlyTable::rowTexts(int row) const {
    QStringList texts;
    for (int c = 0; c < kColumns; ++c) {
        texts.append(cell(row, c));
    }
    return texts;
}

int MonthlyTable::lastFilledRow() const {
    for (int row = rowCount() - 1; row > 0; --row) {
        for (const QString& text : m_cells[static_cast<size_t>(row)]) {
            if (!text.isEmpty()) {
                return row;
            }
        }
    }
    return 0;
}

QString MonthlyTable::sideCaption() const {
    return m_level == TableLevel::Accounts ? QStringLiteral("月別科目一覧表")
                                           : m_selectedTitle + QStringLiteral("明細表");
}

QString MonthlyTable::monthHeading(int startMonth, int k) {
    const int month = (startMonth + k - 2) % 12 + 1;
    return QString::number(month) + QStringLiteral("月度");
}

void MonthlyTable::setUpColumns(const PeriodTable& periods) {
    auto& heading = m_cells.front();
    heading[kMarkerColumn].clear();
    heading[kTitleColumn].clear();
    for (int k = 1; k <= 12; ++k) {
        heading[static_cast<size_t>(k + 1)] = monthHeading(periods.startMonth, k);
    }
    heading[kYearColumn] = QStringLiteral("科目年間計");
    for (size_t row = 1; row < m_cells.size(); ++row) {
        for (QString& text : m_cells[row]) {
            text.clear();
        }
    }
}

bool MonthlyTable::compute(const EntryList& entries, const PeriodTable& periods,
                           const TableBookItem& book, TableLevel level,
                           const QString& selectedTitle) {
    setUpColumns(periods);
    m_level = level;
    m_selectedTitle = level == TableLevel::Accounts ? QString() : selectedTitle;
    m_book = book;
    m_incomeTotalRow = 0;
    m_expenseTotalRow = 0;
    if (entries.isEmpty()) {
        return false;
    }

    const TableParts parts = collectTableParts(entries, periods, book, level, m_selectedTitle);
    const int n = static_cast<int>(parts.income.titles.size());
    const int m = static_cast<int>(parts.expense.titles.size());
    const int needed = n + m + 10;
    if (rowCount() < needed + 1) {
        m_cells.resize(static_cast<size_t>(needed));
    }

    // Writes a part from `first` (its heading row) and answers its total.
    auto writePart = [this](int first, const QString& heading, const TablePart& part,
                            int& totalRow) {
        at(first, kMarkerColumn) = QStringLiteral("-");
        at(first, kTitleColumn) = heading;
        RowAmounts total;
        int row = first + 1;
        for (qsizetype i = 0; i < part.titles.size(); ++i) {
            const QString& title = part.titles[i];
            const MonthSums& sums = part.sums[static_cast<size_t>(i)];
            const RowAmounts amounts = yearOf(sums);
            at(row, kTitleColumn) = title;
            for (int p = 0; p < 12; ++p) {
                // A month nothing went into shows "0" once the row has a title.
                if (sums.received(p) || !title.isEmpty()) {
                    at(row, kFirstMonthColumn + p) =
                        amounts.months[static_cast<size_t>(p)].toDisplayString();
                }
                total.months[static_cast<size_t>(p)] += amounts.months[static_cast<size_t>(p)];
            }
            at(row, kYearColumn) = amounts.year.toDisplayString();
            total.year += amounts.year;
            ++row;
        }
        at(row, kTitleColumn) = partTotalTitle();
        for (int p = 0; p < 12; ++p) {
            at(row, kFirstMonthColumn + p) = total.months[static_cast<size_t>(p)].toDisplayString();
        }
        at(row, kYearColumn) = total.year.toDisplayString();
        totalRow = row;
        return total;
    };

    RowAmounts incomeTotal, expenseTotal;
    if (n > 0) {
        incomeTotal = writePart(1, incomePartHeading(), parts.income, m_incomeTotalRow);
    }
    if (m > 0) {
        const int start = n > 0 ? n + 4 : 1;
        expenseTotal = writePart(start, expensePartHeading(), parts.expense, m_expenseTotalRow);
    }

    if (level == TableLevel::Accounts) {
        const int row = m_expenseTotalRow > 0  ? m_expenseTotalRow + 2
                        : m_incomeTotalRow > 0 ? m_incomeTotalRow + 2
                                               : 3;
        at(row, kMarkerColumn) = QStringLiteral("=");
        at(row, kTitleColumn) = balanceRowTitle();
        for (int c = kFirstMonthColumn; c <= kYearColumn; ++c) {
            const size_t p = static_cast<size_t>(c - kFirstMonthColumn);
            const Amount in = c == kYearColumn ? incomeTotal.year : incomeTotal.months[p];
            const Amount out = c == kYearColumn ? expenseTotal.year : expenseTotal.months[p];
            at(row, c) = (in - out).toDisplayString();
        }
    } else if (m_expenseTotalRow > 0 || m_incomeTotalRow > 0) {
        at(m_expenseTotalRow > 0 ? m_expenseTotalRow : m_incomeTotalRow, kMarkerColumn) =
            QStringLiteral("=");
    }
    return true;
}

}  // namespace tallyrix

#include "analysis/monthly_table_model.h"

#include "core/errors.h"
#include "core/prompter.h"
#include "core/text_helpers.h"

namespace tallyrix {

MonthlyTableModel::MonthlyTableModel(const Workspace& ws, Prompter& prompter)
    : m_ws(ws), m_prompter(prompter) {
    fillBookChooser();
}

void MonthlyTableModel::fillBookChooser() {
    m_books = tableBookItems(m_ws);
    m_bookIndex = 0;
}

TableBookItem MonthlyTableModel::chosenBook() const {
    if (m_bookIndex < 0 || m_bookIndex >= static_cast<int>(m_books.size())) {
        return m_books.front();
    }
    return m_books[static_cast<size_t>(m_bookIndex)];
}

QString MonthlyTableModel::bookName() const {
    return chosenBook().name;
}

void MonthlyTableModel::compute(TableLevel level) {
    if (level == TableLevel::Accounts) {
        m_selectedTitle.clear();
    }
    m_summary.setRange(m_ws.periods);
    const bool computed =
        m_table.compute(m_ws.entries, m_ws.periods, chosenBook(), level, m_selectedTitle);
    ++m_revision;
    if (computed) {
        m_summary.refresh(m_table, m_ws.periods);
    }
    m_view->tableComputed();
}

void MonthlyTableModel::enterPage() {
    fillBookChooser();
    compute(TableLevel::Accounts);
}

void MonthlyTableModel::sum() {
    compute(TableLevel::Accounts);
}

void MonthlyTableModel::chooseBook(int index) {
    if (index >= 0 && index < static_cast<int>(m_books.size())) {
        m_bookIndex = index;
    }
    compute(TableLevel::Accounts);
}

bool MonthlyTableModel::isOpenableRow(const MonthlyTable& table, int row) {
    if (row < 1 || row >= table.rowCount()) {
        return false;
    }
    const QString& title = table.title(row);
    if (title.isEmpty() || table.marker(row) == QLatin1String("-")) {
        return false;
    }
    const QString trimmed = trimBlanks(title);
    return trimmed != partTotalTitle() && title != balanceRowTitle() &&
           title != incomePartHeading() && title != expensePartHeading() && !trimmed.isEmpty();
}

void MonthlyTableModel::openRow(int row) {
    if (m_table.level() != TableLevel::Accounts) {
        return;
    }
    if (!isOpenableRow(m_table, row)) {
        m_view->beep();
        return;
    }
    openTitle(m_table.title(row));
}

void MonthlyTableModel::openTitle(const QString& title) {
    m_selectedTitle = title;
    compute(TableLevel::Descriptions);
}

void MonthlyTableModel::back(bool printPreviewShown) {
    const auto inform = [this](const QString& text) {
        m_prompter.taskMessage(QStringLiteral("確認"), QString(), TaskButtons::Ok,
                               TaskIcon::Information, text);
    };
    if (printPreviewShown) {
        inform(previewShownText());
    } else if (m_table.level() == TableLevel::Descriptions) {
        compute(TableLevel::Accounts);
    } else {
        inform(topLevelText());
    }
}

void MonthlyTableModel::setColumnWidth(int column, int width) {
    if (column >= 0 && column < TableColumnWidths::kColumns) {
        m_widths.widths[static_cast<size_t>(column)] = width;
    }
}

void MonthlyTableModel::loadColumnWidths(const Folders& folders) {
    try {
        loadTableColumnWidths(folders, m_widths);
    } catch (const FileError& error) {
        m_prompter.showNotice(QStringLiteral("確認"), error.message());
    }
}

void MonthlyTableModel::saveColumnWidths(const Folders& folders) const {
    saveTableColumnWidths(folders, m_widths);
}

}  // namespace tallyrix

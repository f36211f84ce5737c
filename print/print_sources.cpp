#include "print/print_sources.h"

#include "print/print_list.h"

namespace tallyrix {

AnalysisFigures analysisFigures(const MonthlyTableModel& model) {
    AnalysisFigures f;
    const MonthlyTable& table = model.table();
    for (int row = 0; row < table.rowCount(); ++row) {
        f.grid.push_back(table.rowTexts(row));
    }
    f.sideCaption = model.sideCaption();
    f.bookName = model.bookName();
    f.summary = summaryPrintFigures(model.summary());
    return f;
}

LedgerPrintSources::LedgerPrintSources(LedgerModel& ledger, const ProgramSettings& settings,
                                       const MonthlyTableModel* table)
    : m_ledger(ledger), m_settings(settings), m_table(table) {}

void LedgerPrintSources::writeLedgerPrintList(const QString& path) {
    const QDate shown = m_ledger.state().selectedDate;
    if (shown.isValid()) {
        m_ledger.status().tabMonth = shown.toString(u"MM");
    }
    writePrintList(path, ledgerPrintList(m_ledger.rows()));
}

void LedgerPrintSources::showLedgerMonth(int month) {
    m_ledger.status().tabMonth = QString::number(month);
    m_ledger.showPeriod(month);
}

LedgerPrintValues LedgerPrintSources::ledgerValues() const {
    const Workspace& ws = m_ledger.workspace();
    const ViewState& s = m_ledger.state();
    const LedgerStatus& status = m_ledger.status();
    LedgerPrintValues v;
    v.bookKind = status.bookKind;
    v.bookName = status.bookName;
    v.allBooksMode = s.allBooksMode;
    v.accountFilter = s.accountFilter;
    v.usageType = ws.usageType();
    v.mainTitle = ws.mainTitle();
    v.startYear = ws.periods.startYear;
    v.shownYear = status.year;
    v.shownMonth = status.month;
    v.currentMonth = s.currentMonth;
    v.companyName = m_settings.company();
    v.negativeInRed = m_settings.negativeInRed;
    v.today = m_ledger.today();
    return v;
}

BalancePrintValues LedgerPrintSources::balanceValues() const {
    BalancePrintValues v;
    for (const BookPanelRow& row : m_ledger.bookPanel()) {
        v.books.push_back({row.caption(), row.balanceText()});
    }
    v.titleLabel = m_ledger.titleLabel();
    v.range = balanceRangeText(periods(), currentMonth());
    v.totals = m_ledger.totalTexts();
    return v;
}

AnalysisFigures LedgerPrintSources::analysis() const {
    return m_table ? analysisFigures(*m_table) : AnalysisFigures{};
}

}  // namespace tallyrix

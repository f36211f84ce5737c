#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "analysis/monthly_table_model.h"
#include "core/program_settings.h"
#include "ledger/ledger_model.h"
#include "print/balance_composer.h"
#include "print/ledger_composer.h"
#include "print/summary_composer.h"
#include "print/table_composer.h"

namespace tallyrix {

// The monthly account table as the print reads it: the grid (each row the
// marker and the cells of columns 1 to 14, row 0 the heading row), the side
// caption, the book chosen and the summary figures of its last computation.
struct AnalysisFigures {
    std::vector<QStringList> grid;
    QString sideCaption;
    QString bookName;
    SummaryPrintFigures summary;
};

// The table page as it stands after its last computation.
AnalysisFigures analysisFigures(const MonthlyTableModel& table);

// Where the print page takes the values of its reports from: the ledger and
// its book panel, the settings, the monthly table and the summary.
class PrintSources {
public:
    virtual ~PrintSources() = default;

    virtual const PeriodTable& periods() const = 0;
    virtual int currentMonth() const = 0;
    virtual QDate today() const = 0;
    virtual bool negativeInRed() const = 0;

    // The current ledger rows into the print list file.
    virtual void writeLedgerPrintList(const QString& path) = 0;
    // The ledger shows period m (13: all months) for the month selection.
    virtual void showLedgerMonth(int month) = 0;
    // Everything but the paper and the minus option, which the print page adds.
    virtual LedgerPrintValues ledgerValues() const = 0;
    virtual BalancePrintValues balanceValues() const = 0;

    virtual AnalysisFigures analysis() const = 0;
    virtual QString companyName() const = 0;
};

// The sources of the main window and of the command line: a ledger model, the
// settings, and the monthly table page when there is one.
class LedgerPrintSources : public PrintSources {
public:
    LedgerPrintSources(LedgerModel& ledger, const ProgramSettings& settings,
                       const MonthlyTableModel* table = nullptr);
    void setTable(const MonthlyTableModel* table) { m_table = table; }

    const PeriodTable& periods() const override { return m_ledger.workspace().periods; }
    int currentMonth() const override { return m_ledger.state().currentMonth; }
    QDate today() const override { return m_ledger.today(); }
    bool negativeInRed() const override { return m_settings.negativeInRed; }

    void writeLedgerPrintList(const QString& path) override;
    void showLedgerMonth(int month) override;
    LedgerPrintValues ledgerValues() const override;
    BalancePrintValues balanceValues() const override;
    AnalysisFigures analysis() const override;
    QString companyName() const override { return m_settings.company(); }

private:
    LedgerModel& m_ledger;
    const ProgramSettings& m_settings;
    const MonthlyTableModel* m_table;
};

}  // namespace tallyrix

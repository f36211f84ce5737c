#include "entry/entry_commands.h"

#include "core/prompter.h"
#include "core/text_checks.h"
#include "ledger/balances.h"
#include "ledger/ledger_model.h"
#include "ledger/ledger_search.h"
#include "ledger/periods.h"

namespace tallyrix {
namespace {

QString allBooksRefusal() {
    return QStringLiteral("「全帳簿から検索」が指定されているため、入力・修正はできません。");
}
QString lockedRefusal() {
    return QStringLiteral("この月のデ－タはロックされていますので入力・修正はできません。");
}

}  // namespace

bool EntryCommands::refuse(const QString& heading, const QString& text) {
    m_prompter.showNotice(heading, text);
    return false;
}

void EntryCommands::newEntry() {
    const ViewState& s = m_ledger.state();
    if (s.allBooksMode) {
        refuse(QStringLiteral("確認"), allBooksRefusal());
        return;
    }
    if (s.currentMonth == PeriodTable::kAllMonths) {
        refuse(QStringLiteral("確認"),
               QStringLiteral("ALLが指定されているため、入力・修正はできません。"));
        return;
    }
    m_search.clear(LedgerSearch::ClearAll);
    m_dialog.openNew(m_ledger.state().selectedDate);
    m_window.showEntryDialog(m_dialog);
}

void EntryCommands::editEntry() {
    const ViewState& s = m_ledger.state();
    const Workspace& ws = m_ledger.workspace();
    if (isPeriodLocked(ws.periods, s.currentMonth)) {
        refuse(checkHeading(), lockedRefusal());
        return;
    }
    if (s.allBooksMode) {
        refuse(checkHeading(), allBooksRefusal());
        return;
    }
    const LedgerRow* row = m_ledger.selectedLedgerRow();
    if (!row || !row->isEntry() || row->line() >= ws.entries.count()) {
        refuse(checkHeading(), QStringLiteral("修正するデータを選択してください。"));
        return;
    }
    const Entry& entry = ws.entries.at(row->line());
    if (BookRef{entry.field(KindField), entry.field(NameField)} != ws.currentBook) {
        refuse(checkHeading(), QStringLiteral("転記データです。元帳簿で修正してください。"));
        return;
    }
    m_dialog.openEdit(row->line());
    m_window.showEntryDialog(m_dialog);
}

void EntryCommands::moveEntryDown() {
    const ViewState& s = m_ledger.state();
    Workspace& ws = m_ledger.workspace();
    if (isPeriodLocked(ws.periods, s.currentMonth)) {
        refuse(checkHeading(), lockedRefusal());
        return;
    }
    const auto& rows = m_ledger.rows();
    const int r = m_ledger.selectedRow();
    const bool hasNext = r >= 0 && r + 1 < static_cast<int>(rows.size());
    const LedgerRow* row = m_ledger.selectedLedgerRow();
    const LedgerRow* next = hasNext ? &rows[static_cast<size_t>(r + 1)] : nullptr;
    if (!row || !row->isEntry() || !next || !next->date.isEmpty() || !next->isEntry()) {
        refuse(checkHeading(), QStringLiteral("このデ－タは下に移動する事はできません。"));
        return;
    }
    const int a = row->line();
    const int b = next->line();
    const QString counterKind = ws.entries.at(b).field(CounterKindField);
    const QString counterName = ws.entries.at(b).field(CounterNameField);
    int c = b;
    for (int i = a + 1; i <= b; ++i) {
        const Entry& entry = ws.entries.at(i);
        if (entry.field(CounterKindField) == counterKind &&
            entry.field(CounterNameField) == counterName) {
            c = i;
            break;
        }
    }
    ws.entries.move(c, a);
    ws.modified = true;
    m_ledger.recomputeBalances();
    // The selection follows the entry, so that the next press moves it further.
    m_ledger.selectRow(r + 1);
}

}  // namespace tallyrix

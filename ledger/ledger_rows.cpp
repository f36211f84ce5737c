#include "ledger/ledger_rows.h"

#include "ledger/periods.h"

namespace tallyrix {
namespace {

// "#,##0" of an amount field; a field that is no number is shown as it stands.
QString displayOfField(const QString& field, Amount* value = nullptr) {
    Amount amount;
    if (!tryParseMoney(field, amount)) {
        return field;
    }
    if (value) {
        *value = amount;
    }
    return amount.toDisplayString();
}

QString markerOf(Amount balance) {
    return balance.isNegative() ? QStringLiteral("-") : QStringLiteral("+");
}

QString blankIfZero(const QString& text) {
    return text == QLatin1String("0") ? QString() : text;
}

// The rows of one refresh, built line by line.
class RowBuilder {
public:
    RowBuilder(const Workspace& ws, const ViewState& state, const BalanceValues& balances)
        : m_ws(ws), m_state(state), m_balances(balances) {}

    LedgerRows build();

private:
    void appendCarryIn();
    bool takes(const Entry& entry, bool& isOwn) const;
    void appendEntry(int index);
    void markTransfer(const Entry& entry, LedgerRow& row) const;
    void appendTotalAndEnd();

    const Workspace& m_ws;
    const ViewState& m_state;
    const BalanceValues& m_balances;
    LedgerRows m_out;
    QString m_lastDate;
    Amount m_runningSum;
};

LedgerRows RowBuilder::build() {
    const int month = m_state.currentMonth;
    const bool allMonths = month == PeriodTable::kAllMonths;
    const bool plainView = !m_state.anyFilter() && !m_state.dayMode && !m_state.allBooksMode;
    if (plainView && !allMonths) {
        appendCarryIn();
    }
    const int count = m_ws.entries.count();
    const QString key = monthKey(month);
    for (int i = allMonths ? 0 : firstLineOfPeriod(m_ws, month); i < count; ++i) {
        m_out.lastLineExamined = i;
        if (!allMonths && m_ws.entries.at(i).fieldView(MonthKeyField) != key) {
            break;
        }
        appendEntry(i);
    }
    appendTotalAndEnd();
    return std::move(m_out);
}

void RowBuilder::appendCarryIn() {
    const PeriodTable& t = m_ws.periods;
    const int month = m_state.currentMonth;
    LedgerRow row;
    Amount balance;
    if (month == t.firstPeriod()) {
        row.description = QStringLiteral("■前年度繰越");
        balance = m_balances.opening;
    } else {
        row.description = QStringLiteral("■前月繰越");
        balance = m_balances.monthEnd[static_cast<size_t>(month == 1 ? 12 : month - 1)];
    }
    row.marker = markerOf(balance);
    row.balance = balance.toDisplayString();
    m_out.rows.push_back(row);
}

// The day, the book and the four filters of the view.
bool RowBuilder::takes(const Entry& entry, bool& isOwn) const {
    const ViewState& s = m_state;
    if (s.dayMode && entry.date() != s.selectedDate) {
        return false;
    }
    const BookRef& current = m_ws.currentBook;
    isOwn =
        entry.fieldView(KindField) == current.kind && entry.fieldView(NameField) == current.name;
    const bool isCounter = entry.fieldView(CounterKindField) == current.kind &&
                           entry.fieldView(CounterNameField) == current.name;
    const bool sameKind = entry.fieldView(KindField) == entry.fieldView(CounterKindField);
    if (!isOwn && !isCounter && !(s.allBooksMode && sameKind)) {
        return false;
    }
    if (!s.accountFilter.isEmpty() && entry.fieldView(TitleField) != s.accountFilter) {
        return false;
    }
    if (!s.descriptionFilter.isEmpty() &&
        !entry.fieldView(DescriptionField).contains(s.descriptionFilter)) {
        return false;
    }
    if (!s.incomeFilter.isEmpty() && entry.fieldView(IncomeField) != s.incomeFilter) {
        return false;
    }
    return s.expenseFilter.isEmpty() || entry.fieldView(ExpenseField) == s.expenseFilter;
}

void RowBuilder::appendEntry(int index) {
    const Entry& entry = m_ws.entries.at(index);
    bool isOwn = false;
    if (!takes(entry, isOwn)) {
        return;
    }
    LedgerRow row;
    const QString dateField = entry.field(DateField);
    row.date = dateField != m_lastDate ? monthDayText(entry.date()) : QString();
    m_lastDate = dateField;
    row.title = entry.field(TitleField);
    row.description = entry.field(DescriptionField);

    // Seen from the counterpart, income and expense change places.
    const bool straight = m_state.allBooksMode || isOwn;
    const Amount income = straight ? entry.income() : entry.expense();
    const Amount expense = straight ? entry.expense() : entry.income();
    row.income = blankIfZero(income.toDisplayString());
    row.expense = blankIfZero(expense.toDisplayString());
    m_out.income += income;
    m_out.expense += expense;

    if (!m_state.allBooksMode) {
        markTransfer(entry, row);
    }
    if (!m_state.accountFilter.isEmpty()) {
        m_runningSum += income - expense;
        row.balance = m_runningSum.toDisplayString();
        row.marker = markerOf(m_runningSum);
    } else {
        Amount balance;
        row.balance = displayOfField(entry.field(BalanceField), &balance);
        row.marker = markerOf(balance);
    }
    row.lineIndex = QString::number(index);
    m_out.rows.push_back(row);
}

// A transfer names the other book after its description; between books of
// different kinds the title column names the other kind.
void RowBuilder::markTransfer(const Entry& entry, LedgerRow& row) const {
    const BookRef own{entry.field(KindField), entry.field(NameField)};
    const BookRef counter{entry.field(CounterKindField), entry.field(CounterNameField)};
    const BookRef& current = m_ws.currentBook;
    const QString d = row.description;
    const QString mark = QStringLiteral("　《%1》");
    if (own.kind != counter.kind && own.kind == current.kind) {
        row.description = d + mark.arg(counter.name);
        row.title = counter.kind;
    } else if (own.kind != counter.kind && counter.kind == current.kind) {
        row.description = d + mark.arg(own.name);
        row.title = own.kind;
    } else if (own.kind == counter.kind && counter.name != current.name) {
        row.description = d + mark.arg(counter.name);
    } else if (own.kind == counter.kind && own.name != current.name) {
        row.description = d + mark.arg(own.name);
    }
}

void RowBuilder::appendTotalAndEnd() {
    const bool filtered = m_state.dayMode || m_state.anyFilter();
    if (!m_out.rows.empty()) {
        LedgerRow total;
        total.marker = QStringLiteral("+");
        total.description =
            filtered ? QStringLiteral("【合  計】") : QStringLiteral("【当月合計】");
        total.income = m_out.income.toDisplayString();
        total.expense = m_out.expense.toDisplayString();
        m_out.rows.push_back(total);
        m_out.hasTotal = true;
        if (!filtered) {
            const Amount closing = m_balances.monthEnd[static_cast<size_t>(m_state.currentMonth)];
            LedgerRow carryOut;
            carryOut.marker = closing.isNegative() ? QStringLiteral("*") : QStringLiteral("=");
            carryOut.description = QStringLiteral("□次月繰越");
            carryOut.balance = closing.toDisplayString();
            m_out.rows.push_back(carryOut);
        }
    }
    if (filtered) {
        LedgerRow end;
        end.marker = QStringLiteral("=");
        m_out.rows.push_back(end);
    }
}

}  // namespace

LedgerRows buildLedgerRows(const Workspace& ws, const ViewState& state,
                           const BalanceValues& balances) {
    return RowBuilder(ws, state, balances).build();
}

int firstLineOfPeriod(const Workspace& ws, int period) {
    // Only the month key field counts: a description that happens to hold
    // "d05=" must not start the scan early.
    const QString key = monthKey(period);
    const int count = ws.entries.count();
    for (int i = 0; i < count; ++i) {
        if (ws.entries.at(i).fieldView(MonthKeyField) == key) {
            return i;
        }
    }
    return count;
}

QString monthDayText(const QDate& date) {
    return date.toString(QStringLiteral("MM'月'dd'日'"));
}

QString longDayText(const QDate& date) {
    return date.toString(QStringLiteral("yyyy'年'MM'月'dd'日'"));
}

}  // namespace tallyrix

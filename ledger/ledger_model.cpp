#include "ledger/ledger_model.h"

#include "core/format_settings.h"
#include "core/prompter.h"
#include "ledger/periods.h"

namespace tallyrix {
namespace {

QString heading() {
    return QStringLiteral("確認");
}

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

}  // namespace

QString BookPanelRow::record() const {
    return book.kind + u';' + book.name + u';' + balance.toPlainString() + u';';
}

QString monthDayText(const QDate& date) {
    return date.toString(QStringLiteral("MM'月'dd'日'"));
}

QString longDayText(const QDate& date) {
    return date.toString(QStringLiteral("yyyy'年'MM'月'dd'日'"));
}

LedgerModel::LedgerModel(Workspace& ws, Prompter& prompter, Today today)
    : m_ws(ws), m_prompter(prompter), m_today(std::move(today)) {
    m_state.currentMonth = m_today().month();
    m_state.periodBeforeSearch = m_state.currentMonth;
    m_state.selectedDate = m_today();
    m_state.savedBook = m_ws.mainBook();
    if (m_ws.currentBook.kind.isEmpty()) {
        m_ws.currentBook = m_ws.mainBook();
    }
    m_bookLabel = m_ws.mainTitle();
}

QString LedgerModel::monthKeyText() const {
    return monthKey(m_state.currentMonth);
}

const LedgerRow* LedgerModel::selectedLedgerRow() const {
    if (m_selectedRow < 0 || m_selectedRow >= static_cast<int>(m_rows.size())) {
        return nullptr;
    }
    return &m_rows[static_cast<size_t>(m_selectedRow)];
}

QStringList LedgerModel::tabCaptions() const {
    return ledgerTabCaptions(m_ws.periods.startMonth);
}

void LedgerModel::refresh() {
    rebuildBookPanel();
    m_balances = computeBookBalances(m_ws, m_ws.currentBook, m_state.currentMonth);
    buildRows();
    showPeriodInTabAndStatus();
    m_listener->ledgerRefreshed();
}

// The month tab and the year and month of the status line always name the period
// shown, whichever command chose it: printing reads the two panels.
void LedgerModel::showPeriodInTabAndStatus() {
    const PeriodTable& t = m_ws.periods;
    const int m = m_state.currentMonth;
    const bool all = m == PeriodTable::kAllMonths;
    m_selectedTab = all ? 0 : t.positionOfPeriod(m);
    m_status[6] = QString::number(all ? t.startYear : calendarYearOfPeriod(t, m));
    m_status[7] = QString::number(m);
}

void LedgerModel::buildRows() {
    m_rows.clear();
    const int month = m_state.currentMonth;
    m_state.periodIncome[static_cast<size_t>(month)] = Amount();
    m_state.periodExpense[static_cast<size_t>(month)] = Amount();

    const int count = m_ws.entries.count();
    int start = 0;
    if (month != PeriodTable::kAllMonths) {
        // The first line of the period. Only the month key field counts: a
        // description that happens to hold "d05=" must not start the scan early.
        const QString key = monthKeyText();
        start = count;
        for (int i = 0; i < count; ++i) {
            if (m_ws.entries.at(i).fieldView(MonthKeyField) == key) {
                start = i;
                break;
            }
        }
        m_state.periodBeforeSearch = month;
    }
    setTitleLabel();

    const bool plainView = !m_state.anyFilter() && !m_state.dayMode && !m_state.allBooksMode;
    if (plainView && month != PeriodTable::kAllMonths) {
        appendCarryIn();
    }
    QString lastDate;
    Amount runningSum;
    const QString key = monthKeyText();
    for (int i = start; i < count; ++i) {
        m_status[4] = QString::number(i);
        if (month != PeriodTable::kAllMonths &&
            m_ws.entries.at(i).fieldView(MonthKeyField) != key) {
            break;
        }
        appendEntryRow(i, lastDate, runningSum);
    }

    if (!m_rows.empty()) {
        const Amount income = m_state.periodIncome[static_cast<size_t>(month)];
        const Amount expense = m_state.periodExpense[static_cast<size_t>(month)];
        LedgerRow total;
        total.marker = QStringLiteral("+");
        total.description = (m_state.dayMode || m_state.anyFilter())
                                ? QStringLiteral("【合  計】")
                                : QStringLiteral("【当月合計】");
        total.income = income.toDisplayString();
        total.expense = expense.toDisplayString();
        m_rows.push_back(total);
        m_totalTexts = {income.toDisplayString(), expense.toDisplayString(),
                        (income - expense).toDisplayString()};
        if (!m_state.dayMode && !m_state.anyFilter()) {
            const Amount closing = m_balances.monthEnd[static_cast<size_t>(month)];
            LedgerRow carryOut;
            carryOut.marker = closing.isNegative() ? QStringLiteral("*") : QStringLiteral("=");
            carryOut.description = QStringLiteral("□次月繰越");
            carryOut.balance = closing.toDisplayString();
            m_rows.push_back(carryOut);
        }
    }
    if (m_state.anyFilter() || m_state.dayMode) {
        LedgerRow end;
        end.marker = QStringLiteral("=");
        m_rows.push_back(end);
    }
    setRangeLabel();
    padRows();
}

void LedgerModel::appendCarryIn() {
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
    m_rows.push_back(row);
}

void LedgerModel::appendEntryRow(int index, QString& lastDate, Amount& runningSum) {
    const Entry& entry = m_ws.entries.at(index);
    const ViewState& s = m_state;
    if (s.dayMode && entry.date() != s.selectedDate) {
        return;
    }
    const BookRef own{entry.field(KindField), entry.field(NameField)};
    const BookRef counter{entry.field(CounterKindField), entry.field(CounterNameField)};
    const BookRef& current = m_ws.currentBook;
    const bool isOwn = own == current;
    const bool isCounter = counter == current;
    if (!isOwn && !isCounter && !(s.allBooksMode && own.kind == counter.kind)) {
        return;
    }
    if (!s.accountFilter.isEmpty() && entry.field(TitleField) != s.accountFilter) {
        return;
    }
    if (!s.descriptionFilter.isEmpty() &&
        !entry.field(DescriptionField).contains(s.descriptionFilter)) {
        return;
    }
    if (!s.incomeFilter.isEmpty() && entry.field(IncomeField) != s.incomeFilter) {
        return;
    }
    if (!s.expenseFilter.isEmpty() && entry.field(ExpenseField) != s.expenseFilter) {
        return;
    }

    LedgerRow row;
    const QString dateField = entry.field(DateField);
    row.date = dateField != lastDate ? monthDayText(entry.date()) : QString();
    lastDate = dateField;
    row.title = entry.field(TitleField);
    row.description = entry.field(DescriptionField);

    const bool straight = s.allBooksMode || isOwn;
    const Amount income = straight ? entry.income() : entry.expense();
    const Amount expense = straight ? entry.expense() : entry.income();
    row.income = blankIfZero(income.toDisplayString());
    row.expense = blankIfZero(expense.toDisplayString());
    m_state.periodIncome[static_cast<size_t>(s.currentMonth)] += income;
    m_state.periodExpense[static_cast<size_t>(s.currentMonth)] += expense;

    if (!s.allBooksMode) {
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

    if (!s.accountFilter.isEmpty()) {
        runningSum += income - expense;
        row.balance = runningSum.toDisplayString();
        row.marker = markerOf(runningSum);
    } else {
        Amount balance;
        row.balance = displayOfField(entry.field(BalanceField), &balance);
        row.marker = markerOf(balance);
    }
    row.lineIndex = QString::number(index);
    m_rows.push_back(row);
}

void LedgerModel::padRows() {
    const size_t wanted = m_visibleRows > 0 ? static_cast<size_t>(m_visibleRows + 1) : 0;
    while (m_rows.size() < wanted) {
        m_rows.push_back(LedgerRow{});
    }
}

void LedgerModel::setTitleLabel() {
    const BookRef& book = m_ws.currentBook;
    const QString blanks = QStringLiteral("   ");
    if (m_state.allBooksMode) {
        m_titleLabel = QStringLiteral("全帳簿 : ");
    } else if (book.kind == cashKind()) {
        m_titleLabel = m_state.currentMonth == PeriodTable::kAllMonths
                           ? m_ws.mainTitle() + QStringLiteral(" : 全月検索")
                           : m_ws.mainTitle() + blanks;
    } else {
        m_titleLabel = book.kind + u' ' + book.name + blanks;
    }
}

void LedgerModel::setRangeLabel() {
    static const QString kWeekdays[] = {
        QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
        QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日")};
    const int month = m_state.currentMonth;
    if (month == PeriodTable::kAllMonths) {
        m_rangeLabel = QStringLiteral("全期間検索");
    } else if (m_state.dayMode) {
        const QDate& day = m_state.selectedDate;
        m_rangeLabel = longDayText(day) + u'(' + kWeekdays[day.dayOfWeek() - 1] + u')';
    } else {
        const Period& p = m_ws.periods[month];
        m_rangeLabel = longDayText(p.start) + QStringLiteral("～") + longDayText(p.end);
    }
}

void LedgerModel::selectDate(const QDate& date) {
    m_state.selectedDate = date;
    m_listener->calendarShows(date);
}

void LedgerModel::showPeriod(int m) {
    if (m == 0) {
        m = PeriodTable::kAllMonths;
    }
    if (m == PeriodTable::kAllMonths && m_state.accountFilter.isEmpty()) {
        m_prompter.showNotice(heading(), QStringLiteral("全月表示は科目検索時のみ使用できます。"));
        m = m_state.currentMonth;
    }
    m_state.currentMonth = m;
    m_status[2] = QString::number(m);
    refresh();
    const PeriodTable& t = m_ws.periods;
    if (m != PeriodTable::kAllMonths && !m_state.dayMode) {
        selectDate(QDate(calendarYearOfPeriod(t, m), m, 1));
    }
    m_selectedRow = 0;
}

void LedgerModel::tabChosen(int k) {
    if (k == 0) {
        showPeriod(PeriodTable::kAllMonths);
        return;
    }
    const int period = m_ws.periods.periodAtPosition(k);
    selectDate(QDate(calendarYearOfPeriod(m_ws.periods, period), period, 1));
    showPeriod(period);
}

void LedgerModel::chooseDay(const QDate& date, bool shift) {
    if (shift) {
        m_listener->toggleHoliday(date);
    }
    selectDate(date);
    const PeriodTable& t = m_ws.periods;
    const QDate first = t[t.firstPeriod()].start;
    const QDate last = t[t.lastPeriod()].end;
    const QString range = QStringLiteral("\r\n1ファイルで1年分となります。\r\n現在の設定値:") +
                          formatDate(first) + QStringLiteral("～") + formatDate(last);
    if (date < QDate(first.year(), first.month(), 1)) {
        selectDate(first);
        m_listener->beep();
        m_prompter.showNotice(
            heading(), QStringLiteral("年度の開始月より以前の日付は指定できません。") + range);
    } else if (date > QDate(last.year(), last.month(), last.daysInMonth())) {
        selectDate(last);
        m_listener->beep();
        m_prompter.showNotice(heading(),
                              QStringLiteral("年度の終了月以降の日付は指定できません。") + range);
    }
    m_state.currentMonth = m_state.selectedDate.month();
    refresh();
}

void LedgerModel::showToday() {
    selectDate(m_today());
    m_state.currentMonth = m_state.selectedDate.month();
    refresh();
}

void LedgerModel::selectFirstRow() {
    m_selectedRow = 0;
}

void LedgerModel::selectLastRow() {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].marker == QLatin1String("=")) {
            m_selectedRow = std::max(0, static_cast<int>(i) - 1);
            return;
        }
    }
    m_selectedRow = std::max(0, static_cast<int>(m_rows.size()) - 1);
}

void LedgerModel::setBook(const BookRef& book, int target) {
    m_ws.currentBook = book;
    if (target == AllBooksTarget) {
        m_state.allBooksMode = true;
    } else {
        m_state.savedBook = book;
    }
    static const char* const kPictures[] = {"images/bar1.bmp", "images/bar1.bmp", "images/bar2.bmp",
                                            "images/bar3.bmp"};
    m_headerPicture = QString::fromLatin1(kPictures[target]);
    switch (target) {
        case AllBooksTarget:
            m_bookLabel = allBooks().name;
            break;
        case MainBookTarget:
            m_bookLabel = m_ws.mainTitle();
            break;
        case PettyCashTarget:
            m_bookLabel = QStringLiteral("小口現金");
            break;
        default:
            m_bookLabel = QStringLiteral("預金出納帳");
            break;
    }
    m_status[0] = book.kind;
    m_status[1] = book.name;
}

bool LedgerModel::switchBook(int target) {
    BookRef book;
    switch (target) {
        case AllBooksTarget:
            book = allBooks();
            break;
        case MainBookTarget:
            book = m_ws.mainBook();
            break;
        default: {
            const QString kind = target == PettyCashTarget ? pettyCashKind() : bankKind();
            const QString title = target == PettyCashTarget ? QStringLiteral("小口現金帳簿選択")
                                                            : QStringLiteral("預金帳簿選択");
            const std::optional<int> chosen =
                m_chooser ? m_chooser->chooseBook(kind, title) : std::nullopt;
            const LineStore& lines = m_ws.bookLines(kind);
            if (!chosen || *chosen < 0 || *chosen >= lines.count()) {
                return false;
            }
            LineStore fields;
            fields.setCommaText(lines[*chosen]);
            book = {kind, fields.count() > 2 ? fields[2] : QString()};
            break;
        }
    }
    setBook(book, target);
    m_balances = computeBookBalances(m_ws, book, m_state.currentMonth);
    refresh();
    m_listener->showLedgerPage();
    return true;
}

void LedgerModel::rebuildBookPanel() {
    m_bookPanel.clear();
    for (const BookRef& book : booksInPanelOrder(m_ws)) {
        const BalanceValues values = computeBookBalances(m_ws, book, m_state.currentMonth);
        // All months have no month-end slot of their own: the year's closing balance stands for
        // them.
        const Amount balance = m_state.currentMonth == PeriodTable::kAllMonths
                                   ? values.closing
                                   : values.displayedMonth;
        m_bookPanel.push_back({book, balance});
    }
}

void LedgerModel::recomputeDates() {
    reassignMonthKeys(m_ws);
    m_balances = computeBookBalances(m_ws, m_ws.currentBook, m_state.currentMonth);
    refresh();
}

void LedgerModel::recomputeBalances() {
    m_balances = computeBookBalances(m_ws, m_ws.currentBook, m_state.currentMonth);
    refresh();
}

void LedgerModel::clearAnalysis() {
    m_bookPanel.clear();
    m_listener->analysisCleared();
}

void LedgerModel::yearLoaded(Arrival arrival) {
    m_listener->yearArrived();
    const QDate today = m_today();
    m_state.currentMonth = today.month();
    m_state.accountFilter.clear();
    m_state.periodIncome.fill(Amount());
    m_state.periodExpense.fill(Amount());
    m_balances = BalanceValues{};
    if (arrival == Arrival::Opened) {
        m_status[2].clear();
        switchBook(MainBookTarget);
        showPeriod(today.month());
        return;
    }
    m_status[2].clear();
    setBook(m_ws.mainBook(), MainBookTarget);
    selectDate(today);
    reassignMonthKeys(m_ws);
    m_balances = computeBookBalances(m_ws, m_ws.currentBook, m_state.currentMonth);
    refresh();
    m_listener->showLedgerPage();
}

void LedgerModel::yearSaved() {
    m_status[2].clear();
}

int LedgerModel::targetOf(const BookRef& book) const {
    if (book == allBooks()) {
        return AllBooksTarget;
    }
    if (book.kind == pettyCashKind()) {
        return PettyCashTarget;
    }
    return book.kind == bankKind() ? BankTarget : MainBookTarget;
}

void LedgerModel::returnToSavedBook() {
    setBook(m_state.savedBook, targetOf(m_state.savedBook));
}

void LedgerModel::showBook(const BookRef& book) {
    setBook(book, targetOf(book));
    m_balances = computeBookBalances(m_ws, book, m_state.currentMonth);
    refresh();
    m_listener->showLedgerPage();
}

Amount LedgerModel::closingBalance(const BookRef& book) {
    m_balances = computeBookBalances(m_ws, book, m_state.currentMonth);
    return m_balances.closing;
}

}  // namespace tallyrix

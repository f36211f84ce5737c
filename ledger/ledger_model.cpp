#include "ledger/ledger_model.h"

#include "core/format_settings.h"
#include "core/prompter.h"
#include "ledger/ledger_rows.h"
#include "ledger/periods.h"

namespace tallyrix {
namespace {

QString heading() {
    return QStringLiteral("確認");
}

}  // namespace

QString BookPanelRow::record() const {
    return book.kind + u';' + book.name + u';' + balance.toPlainString() + u';';
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
    // Every book of the panel, then the current book, in one pass.
    const QList<BookRef> panel = booksInPanelOrder(m_ws);
    QList<BookRef> books = panel;
    books.append(m_ws.currentBook);
    const std::vector<BalanceValues> values =
        computeBalancesOfBooks(m_ws, books, m_state.currentMonth);
    fillBookPanel(panel, values);
    m_balances = values.back();
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
    m_status.year = QString::number(all ? t.startYear : calendarYearOfPeriod(t, m));
    m_status.month = QString::number(m);
}

void LedgerModel::buildRows() {
    const int month = m_state.currentMonth;
    if (month != PeriodTable::kAllMonths) {
        m_state.periodBeforeSearch = month;
    }
    setTitleLabel();
    LedgerRows built = buildLedgerRows(m_ws, m_state, m_balances);
    m_rows = std::move(built.rows);
    m_state.periodIncome[static_cast<size_t>(month)] = built.income;
    m_state.periodExpense[static_cast<size_t>(month)] = built.expense;
    if (built.hasTotal) {
        m_totalTexts = {built.income.toDisplayString(), built.expense.toDisplayString(),
                        (built.income - built.expense).toDisplayString()};
    }
    if (built.lastLineExamined) {
        m_status.progress = QString::number(*built.lastLineExamined);
    }
    setRangeLabel();
    padRows();
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
    m_status.tabMonth = QString::number(m);
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
    m_status.bookKind = book.kind;
    m_status.bookName = book.name;
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
    const QList<BookRef> books = booksInPanelOrder(m_ws);
    fillBookPanel(books, computeBalancesOfBooks(m_ws, books, m_state.currentMonth));
}

void LedgerModel::fillBookPanel(const QList<BookRef>& panel,
                                const std::vector<BalanceValues>& values) {
    m_bookPanel.clear();
    for (qsizetype k = 0; k < panel.size(); ++k) {
        const BalanceValues& v = values[static_cast<size_t>(k)];
        // All months have no month-end slot of their own: the year's closing
        // balance stands for them.
        const Amount balance =
            m_state.currentMonth == PeriodTable::kAllMonths ? v.closing : v.displayedMonth;
        m_bookPanel.push_back({panel[k], balance});
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
        m_status.tabMonth.clear();
        switchBook(MainBookTarget);
        showPeriod(today.month());
        return;
    }
    m_status.tabMonth.clear();
    setBook(m_ws.mainBook(), MainBookTarget);
    selectDate(today);
    reassignMonthKeys(m_ws);
    m_balances = computeBookBalances(m_ws, m_ws.currentBook, m_state.currentMonth);
    refresh();
    m_listener->showLedgerPage();
}

void LedgerModel::yearSaved() {
    m_status.tabMonth.clear();
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

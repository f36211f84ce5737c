#include "entry/entry_dialog_model.h"

#include "core/app_title.h"
#include "core/format_settings.h"
#include "core/prompter.h"
#include "core/text_checks.h"
#include "core/typed_amount.h"
#include "ledger/ledger_model.h"
#include "ledger/periods.h"
#include "yearfile/amount_budget.h"
#include "yearfile/workspace.h"

namespace tallyrix {
namespace {

QString check() {
    return checkHeading();
}

// Blank after trimming ASCII blanks and ideographic spaces.
bool isBlank(const QString& text) {
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != QChar(0x3000)) {
            return false;
        }
    }
    return true;
}

QString withoutQuotesAndCommas(QString text) {
    text.remove(u'"');
    text.remove(u',');
    return text;
}

QStringList bookNames(const LineStore& lines) {
    QStringList names;
    for (const QString& line : lines) {
        names.append(bookLineField(line, 3));
    }
    return names;
}

}  // namespace

EntryDialogModel::EntryDialogModel(LedgerModel& ledger, Prompter& prompter, Folders folders,
                                   Holidays& holidays, Beeper& beeper)
    : m_ledger(ledger),
      m_ws(ledger.workspace()),
      m_prompter(prompter),
      m_folders(std::move(folders)),
      m_calendar(std::make_unique<CalendarMonth>(
          holidays, CalendarMonth::Range::EntryDialog, [&beeper] { beeper.beep(); },
          [&ledger] { return ledger.today(); })),
      m_descriptions(std::make_unique<DescriptionLists>(m_folders, 1, prompter, beeper)),
      m_beeper(beeper) {}

EntryDialogModel::~EntryDialogModel() = default;

void EntryDialogModel::setDate(const QDate& date) {
    m_date = date;
    m_calendar->selectDate(date);
}

void EntryDialogModel::clearFields() {
    m_description.clear();
    m_amounts = {};
}

void EntryDialogModel::openNew(const QDate& date) {
    m_mode = Mode::New;
    m_closed = false;
    m_editedLine = -1;
    m_dateBefore.clear();
    setDate(date);
    m_own = m_ws.currentBook;
    m_counterpart = BookRef{};
    m_descriptions =
        std::make_unique<DescriptionLists>(m_folders, m_ws.usageType(), m_prompter, m_beeper);
    m_picked = {-1, -1, -1};
    m_page = ListPage::AccountTitles;
    m_title.clear();
    clearFields();
}

void EntryDialogModel::openEdit(int line) {
    const Entry& entry = m_ws.entries.at(line);
    openNew(entry.date());
    m_mode = Mode::Edit;
    m_editedLine = line;
    m_dateBefore = entry.field(DateField);
    m_own = {entry.field(KindField), entry.field(NameField)};
    m_counterpart = {entry.field(CounterKindField), entry.field(CounterNameField)};
    m_description = entry.field(DescriptionField);
    setIncome(entry.income());
    setExpense(entry.expense());
    const BookRef main = m_ws.mainBook();
    if (m_counterpart == m_own) {
        pickText(ListPage::AccountTitles, entry.field(TitleField));
    } else if (m_counterpart.kind == pettyCashKind() ||
               (m_own.kind == pettyCashKind() && m_counterpart == main)) {
        pickText(ListPage::PettyCashBooks, m_counterpart.name);
    } else if (m_counterpart.kind == bankKind() ||
               (m_own.kind == bankKind() && m_counterpart == main)) {
        pickText(ListPage::BankBooks, m_counterpart.name);
    } else {
        pickText(ListPage::AccountTitles, entry.field(TitleField));
    }
}

// Shows the page with the text picked, keeping the text even when the list lacks it.
void EntryDialogModel::pickText(ListPage page, const QString& text) {
    m_page = page;
    m_descriptions->changePage(page);
    const int index = static_cast<int>(pageItems(page).indexOf(text));
    m_picked[static_cast<size_t>(page)] = index;
    m_descriptions->pick(page, index);
    m_title = text;
}

QStringList EntryDialogModel::pageItems(ListPage page) const {
    if (page == ListPage::AccountTitles) {
        return m_titles;
    }
    const QString kind = page == ListPage::PettyCashBooks ? pettyCashKind() : bankKind();
    QStringList names = bookNames(m_ws.bookLines(kind));
    if (m_own.kind == kind) {
        names.removeAll(m_own.name);
        names.prepend(m_ws.mainTitle());
    }
    return names;
}

QString EntryDialogModel::pageCaption(ListPage page) const {
    switch (page) {
        case ListPage::AccountTitles:
            return m_own == m_ws.mainBook() ? QStringLiteral("科目") : QStringLiteral("科目リスト");
        case ListPage::PettyCashBooks:
            return QStringLiteral("小口現金");
        default:
            return QStringLiteral("預金帳");
    }
}

QString EntryDialogModel::titleLabel() const {
    switch (m_page) {
        case ListPage::AccountTitles:
            return QStringLiteral("科　目");
        case ListPage::PettyCashBooks:
            return QStringLiteral("小口現金帳簿");
        default:
            return QStringLiteral("預金出納帳簿");
    }
}

void EntryDialogModel::changePage(ListPage page) {
    m_page = page;
    m_title.clear();
    m_description.clear();
    m_descriptions->changePage(page);
    const int picked = pickedIndex();
    const QStringList items = pageItems(page);
    if (picked >= 0 && picked < items.size()) {
        m_title = items[picked];
    }
}

void EntryDialogModel::pick(int index) {
    const QStringList items = pageItems(m_page);
    if (index < 0 || index >= items.size()) {
        return;
    }
    m_picked[static_cast<size_t>(m_page)] = index;
    m_title = items[index];
    m_descriptions->pick(m_page, index);
}

void EntryDialogModel::typeInList(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        return;
    }
    const QStringList items = pageItems(m_page);
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].startsWith(text, Qt::CaseInsensitive)) {
            pick(i);
            return;
        }
    }
    m_beeper.beep();
}

void EntryDialogModel::setAmountText(AmountField field, const QString& text) {
    const TypedAmount read = readTypedAmount(text, AmountDigits);
    m_amounts[index(field)] = read.read() ? AmountInput{read.value, {}} : AmountInput{{}, text};
}

void EntryDialogModel::amountTextCommitted(AmountField field) {
    refusedAmountText(field);
}

// True after the notice on a field whose text names no amount.
bool EntryDialogModel::refusedAmountText(AmountField field) {
    const QString& text = m_amounts[index(field)].unread;
    if (text.isEmpty()) {
        return false;
    }
    const QString name =
        field == AmountField::Income ? QStringLiteral("収入") : QStringLiteral("支出");
    const TypedAmount read = readTypedAmount(text, AmountDigits);
    if (read.status == TypedAmount::Status::TooLarge) {
        refused(check(), name + QStringLiteral("の「") + text +
                             QStringLiteral("」は大きすぎます。") + QString::number(AmountDigits) +
                             QStringLiteral("桁までの金額を入力して下さい"));
    } else {
        refused(check(), name + QStringLiteral("の「") + text +
                             QStringLiteral("」は金額として読めません。数字で入力して下さい"));
    }
    return true;
}

EntryDialogModel::AmountField EntryDialogModel::amountAfterDescription() const {
    if (m_page != ListPage::AccountTitles || isBlank(m_title)) {
        return AmountField::Expense;
    }
    // The master marks no title as income; the year's own entries tell.
    const EntryList& entries = m_ws.entries;
    for (int i = entries.count() - 1; i >= 0; --i) {
        const Entry& entry = entries.at(i);
        if (entry.fieldView(TitleField) == m_title) {
            return entry.income() > Amount() && entry.expense().isZero() ? AmountField::Income
                                                                         : AmountField::Expense;
        }
    }
    return AmountField::Expense;
}

void EntryDialogModel::calendarClick(int cell, bool shift) {
    if (const auto date = m_calendar->clickDay(cell, shift)) {
        setDate(*date);
    }
}

void EntryDialogModel::previousMonth() {
    m_calendar->previousMonth();
    m_date = m_calendar->selectedDate();
}

void EntryDialogModel::nextMonth() {
    m_calendar->nextMonth();
    m_date = m_calendar->selectedDate();
}

void EntryDialogModel::today() {
    m_date = m_calendar->selectToday();
}

void EntryDialogModel::moveDate(int days) {
    setDate(m_date.addDays(days));
}

void EntryDialogModel::moveMonths(int months) {
    setDate(m_date.addMonths(months));
}

void EntryDialogModel::descriptionClick(int column, int row) {
    if (const auto text = m_descriptions->cellClick(column, row)) {
        m_description = *text;
    }
}

bool EntryDialogModel::refused(const QString& heading, const QString& text) {
    m_prompter.showNotice(heading, text);
    return false;
}

// The checks of the amounts, the title and the description, in their order.
bool EntryDialogModel::checkFields() {
    // An amount that cannot be read is never taken for none.
    if (refusedAmountText(AmountField::Income) || refusedAmountText(AmountField::Expense)) {
        return false;
    }
    const Amount zero;
    const Amount in = income();
    const Amount out = expense();
    if (in > zero && out > zero) {
        return refused(
            check(),
            QStringLiteral("収入・支出に金額が入力されています。どちらか一方のみ入力して下さい"));
    }
    if (in == zero && out == zero) {
        if (!(isBlank(m_title) && isBlank(m_description))) {
            return refused(
                check(),
                QStringLiteral(
                    "収入・支出がどちらも入力されていません。どちらか一方には必ず入力して下さい"));
        }
        const DialogResult answer = m_prompter.taskMessage(
            applicationTitle(), QString(), TaskButtons::YesNo, TaskIcon::Question,
            QStringLiteral("空白行として登録しますか？"));
        // A blank line needs neither a title nor a description.
        return answer == DialogResult::Yes;
    }
    if (isBlank(m_title)) {
        return refused(check(), QStringLiteral("科目が入力されていません"));
    }
    if (isBlank(m_description)) {
        return refused(check(), QStringLiteral("摘要が入力されていません"));
    }
    return true;
}

// The period of the entry date, or 0 after a refusal.
int EntryDialogModel::periodForDate() {
    const QDate first = firstDayOfRecords(m_ws.periods);
    if (m_date < first.addDays(-1)) {
        refused(check(), QStringLiteral("開始日以前の日付は入力できません\r\n記録開始日は") +
                             formatDate(first) + QStringLiteral("です"));
        return 0;
    }
    const int period = periodOfDate(m_ws.periods, m_date);
    if (period == 0) {
        refused(
            check(),
            QStringLiteral(
                "指定された日付はどの月切にも該当しません。環境設定の期間設定を確認して下さい。"));
        return 0;
    }
    if (isPeriodLocked(m_ws.periods, period)) {
        refused(check(),
                QStringLiteral("この月のデ－タはロックされていますので入力はできません。"));
        return 0;
    }
    return period;
}

// The title stored in the line and the counterpart, by list page and own kind.
QString EntryDialogModel::storedTitle(BookRef& counterpart) const {
    const QString main = m_ws.mainTitle();
    switch (m_page) {
        case ListPage::AccountTitles:
            counterpart =
                m_own.kind == cashKind() || m_own.kind.isEmpty() ? m_ws.mainBook() : m_own;
            return m_title;
        case ListPage::PettyCashBooks:
            counterpart = {
                m_own.kind != cashKind() && m_title == main ? cashKind() : pettyCashKind(),
                m_title};
            return QStringLiteral("小口現金");
        default:
            counterpart = {m_own.kind != cashKind() && m_title == main ? cashKind() : bankKind(),
                           m_title};
            return QStringLiteral("預金");
    }
}

QString EntryDialogModel::entryLine(int period, const QString& title, const BookRef& counterpart,
                                    int sequence) const {
    const BookRef own = m_own.kind.isEmpty() ? m_ws.mainBook() : m_own;
    return joinEntryFields({monthKey(period), formatDate(m_date), QString::number(sequence), title,
                            m_description, income().toPlainString(), expense().toPlainString(),
                            QString(), own.kind, own.name, counterpart.kind, counterpart.name});
}

// After every line of the same date: appended, or inserted after the last line
// dated on or before it, or first.
void EntryDialogModel::place(const QString& line) {
    EntryList& entries = m_ws.entries;
    const qint64 day = m_date.toJulianDay();
    if (entries.isEmpty() || day >= entries.at(entries.count() - 1).day()) {
        entries.append(line);
    } else if (day >= entries.at(0).day()) {
        int i = entries.count() - 1;
        while (i >= 0 && entries.at(i).day() > day) {
            --i;
        }
        entries.insert(i + 1, line);
    } else {
        entries.insert(0, line);
    }
}

bool EntryDialogModel::registerEntry() {
    if (!checkFields()) {
        return false;
    }
    // Text the year file cannot hold would come back as "?".
    for (const QString& text : {m_title, m_description}) {
        if (const auto message = unsavableCharacterMessage(text)) {
            return refused(check(), *message);
        }
    }
    const int period = periodForDate();
    if (period == 0) {
        return false;
    }
    // No sum of the year may leave the amount range, now or when it is next opened.
    if (!amountsFit(m_ws, income() + expense())) {
        return refused(check(), Amount::outOfRangeMessage());
    }
    m_ledger.state().currentMonth = period;
    m_description = withoutQuotesAndCommas(m_description);
    m_title = withoutQuotesAndCommas(m_title);
    BookRef counterpart;
    const QString title = storedTitle(counterpart);

    EntryList& entries = m_ws.entries;
    const bool sameDate = m_mode == Mode::Edit && formatDate(m_date) == m_dateBefore;
    if (m_mode == Mode::Edit && !sameDate) {
        entries.remove(m_editedLine);
    }
    const QString line = entryLine(period, title, counterpart, entries.count());
    if (sameDate) {
        entries.replace(m_editedLine, line);
    } else {
        place(line);
    }
    m_ledger.selectDate(m_date);
    m_ws.modified = true;
    m_ledger.refresh();
    clearFields();
    if (m_mode == Mode::Edit || !m_continuous) {
        m_closed = true;
    }
    return true;
}

void EntryDialogModel::deleteEntry() {
    if (m_mode != Mode::Edit) {
        return;
    }
    const QString heading =
        yearText() + u'/' + monthText() + u'/' + dayText() + u':' + m_title + u' ' + m_description;
    const DialogResult answer =
        m_prompter.taskMessage(applicationTitle(), heading, TaskButtons::YesNo, TaskIcon::Question,
                               QStringLiteral("削除していいですか？"));
    if (answer != DialogResult::Yes) {
        return;
    }
    m_ws.entries.remove(m_editedLine);
    m_ledger.recomputeBalances();
    m_ws.modified = true;
    m_closed = true;
}

}  // namespace tallyrix

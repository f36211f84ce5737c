#include "analysis/table_pass.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <vector>

namespace tallyrix {
namespace {

// An entry as the table sees it: income and expense exchanged when it is seen
// from its counterpart book, and its title replaced for a transfer.
struct SeenEntry {
    QStringView title;
    QStringView incomeText;
    QStringView expenseText;
    Amount income;
    Amount expense;

    explicit SeenEntry(const Entry& e)
        : title(e.fieldView(TitleField)),
          incomeText(e.fieldView(IncomeField)),
          expenseText(e.fieldView(ExpenseField)),
          income(e.income()),
          expense(e.expense()) {}

    void exchange() {
        std::swap(incomeText, expenseText);
        std::swap(income, expense);
    }
    // The expense list takes an entry whose income field reads exactly "0".
    bool incomeIsZeroText() const { return incomeText == u"0"; }
};

bool endsEntries(const Entry& e) {
    const QStringView kind = e.fieldView(MonthKeyField);
    return kind == u"f" || kind == u"z" || kind == u"g";
}

// Kind + name of the own book against kind + name of the counterpart, as texts
// joined, so that only the joined texts have to agree.
bool sameBookText(const Entry& e) {
    if (e.ownBook() == e.counterBook()) {
        return true;
    }
    const QStringView k1 = e.fieldView(KindField), n1 = e.fieldView(NameField);
    const QStringView k2 = e.fieldView(CounterKindField), n2 = e.fieldView(CounterNameField);
    if (k1.size() + n1.size() != k2.size() + n2.size()) {
        return false;
    }
    if (k1.size() == k2.size()) {
        return k1 == k2 && n1 == n2;
    }
    return (k1.toString() + n1.toString()) == (k2.toString() + n2.toString());
}

// Collects both parts in one hash lookup per line: for every row key its sums
// and whether (and when first) it was added to the income or expense titles.
class TitleCollector {
public:
    struct Slot {
        MonthSums income;
        MonthSums expense;
        int incomeAdded = -1;
        int expenseAdded = -1;
    };

    Slot& slotOf(QStringView key) {
        auto it = m_slots.find(QString::fromRawData(key.data(), key.size()));
        if (it == m_slots.end()) {
            it = m_slots.insert(key.toString(), Slot{});
        }
        return *it;
    }
    void collectIncome(Slot& slot) {
        if (slot.incomeAdded < 0) {
            slot.incomeAdded = m_added++;
        }
    }
    void collectExpense(Slot& slot) {
        if (slot.expenseAdded < 0) {
            slot.expenseAdded = m_added++;
        }
    }

    TableParts finish() const {
        return {part(&Slot::incomeAdded, &Slot::income), part(&Slot::expenseAdded, &Slot::expense)};
    }

private:
    TablePart part(int Slot::*added, MonthSums Slot::*sums) const {
        std::vector<std::pair<int, QString>> order;
        for (auto it = m_slots.cbegin(); it != m_slots.cend(); ++it) {
            if (it.value().*added >= 0) {
                order.emplace_back(it.value().*added, it.key());
            }
        }
        std::sort(order.begin(), order.end());
        QStringList inOrderAdded;
        for (const auto& [index, title] : order) {
            inOrderAdded.append(title);
        }
        TablePart result;
        result.titles = sortRowTitles(inOrderAdded);
        for (const QString& title : result.titles) {
            result.sums.push_back(m_slots.value(title).*sums);
        }
        return result;
    }

    QHash<QString, Slot> m_slots;
    int m_added = 0;
};

// A month key outside "d01=".."d12=" adds to no month.
void addIn(MonthSums& sums, int position, Amount amount) {
    if (position >= 0) {
        sums.add(position, amount);
    }
}

// The row key of a line at a level: its title, or at the description level
// its description, but only under the selected title.
bool rowKey(TableLevel level, const QString& selectedTitle, QStringView title,
            QStringView description, QStringView& key) {
    if (level == TableLevel::Accounts) {
        key = title;
        return true;
    }
    key = description;
    return title == selectedTitle;
}

void collectOneBook(const EntryList& entries, const PeriodTable& periods, const TableBookItem& book,
                    TableLevel level, const QString& selectedTitle, TitleCollector& titles) {
    const int id = entries.bookId({book.kind, book.name});
    if (id < 0) {
        return;
    }
    for (const Entry& e : entries) {
        if (endsEntries(e)) {
            break;
        }
        const bool own = e.ownBook() == id;
        if (!own && e.counterBook() != id) {
            continue;
        }
        SeenEntry seen(e);
        if (!own) {
            seen.exchange();
        }
        // A transfer between kinds shows under the kind of the other book.
        if (e.fieldView(KindField) != e.fieldView(CounterKindField)) {
            if (e.fieldView(NameField) == book.name) {
                seen.title = e.fieldView(CounterKindField);
            }
            if (e.fieldView(CounterNameField) == book.name) {
                seen.title = e.fieldView(KindField);
            }
        }
        QStringView key;
        if (!rowKey(level, selectedTitle, seen.title, e.fieldView(DescriptionField), key)) {
            continue;
        }
        const bool income = !seen.income.isZero();
        const bool expense = seen.incomeIsZeroText();
        if (!income && !expense) {
            continue;
        }
        const int position = fiscalPositionOfKey(e.fieldView(MonthKeyField), periods);
        TitleCollector::Slot& slot = titles.slotOf(key);
        if (income) {
            titles.collectIncome(slot);
            addIn(slot.income, position, seen.income);
        }
        if (expense) {
            titles.collectExpense(slot);
            addIn(slot.expense, position, seen.expense);
        }
    }
}

// All books: only lines within one book give rows, but every line adds to a
// row of its title; a transfer between kinds counts on the side it has.
void collectAllBooks(const EntryList& entries, const PeriodTable& periods, TableLevel level,
                     const QString& selectedTitle, TitleCollector& titles) {
    for (const Entry& e : entries) {
        if (endsEntries(e)) {
            break;
        }
        const SeenEntry stored(e);
        QStringView key;
        if (!rowKey(level, selectedTitle, stored.title, e.fieldView(DescriptionField), key)) {
            continue;
        }
        const bool kindsDiffer = e.fieldView(KindField) != e.fieldView(CounterKindField);
        SeenEntry forIncome = stored;
        if (kindsDiffer && stored.income.isZero()) {
            forIncome.exchange();
        }
        SeenEntry forExpense = stored;
        if (kindsDiffer && stored.expense.isZero()) {
            forExpense.exchange();
        }
        const bool rows = sameBookText(e);
        const bool incomeRow = rows && !stored.income.isZero();
        const bool expenseRow = rows && stored.incomeIsZeroText();
        const bool addsIncome = !forIncome.income.isZero();
        const bool addsExpense = forExpense.incomeIsZeroText();
        if (!incomeRow && !expenseRow && !addsIncome && !addsExpense) {
            continue;
        }
        const int position = fiscalPositionOfKey(e.fieldView(MonthKeyField), periods);
        TitleCollector::Slot& slot = titles.slotOf(key);
        if (incomeRow) {
            titles.collectIncome(slot);
        }
        if (addsIncome) {
            addIn(slot.income, position, forIncome.income);
        }
        if (expenseRow) {
            titles.collectExpense(slot);
        }
        if (addsExpense) {
            addIn(slot.expense, position, forExpense.expense);
        }
    }
}

const QCollator& rowCollator() {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Japanese, QLocale::Japan));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

}  // namespace

int fiscalPositionOfKey(QStringView key, const PeriodTable& periods) {
    if (key.size() != 4 || key[0] != u'd' || key[3] != u'=' || !key[1].isDigit() ||
        !key[2].isDigit() || key[1].unicode() > 127 || key[2].unicode() > 127) {
        return -1;
    }
    const int month = (key[1].unicode() - '0') * 10 + (key[2].unicode() - '0');
    if (month < 1 || month > 12) {
        return -1;
    }
    return periods.positionOfPeriod(month) - 1;
}

QStringList sortRowTitles(const QStringList& added) {
    const QCollator& collator = rowCollator();
    std::vector<QString> folded;
    folded.reserve(static_cast<size_t>(added.size()));
    for (const QString& title : added) {
        folded.push_back(title.toCaseFolded());
    }
    std::vector<int> order(static_cast<size_t>(added.size()));
    std::iota(order.begin(), order.end(), 0);
    // Equal case-folded texts end up side by side in the order added, so the
    // first of each run is the one that stays.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = collator.compare(added[a], added[b]);
        if (c != 0) {
            return c < 0;
        }
        return folded[static_cast<size_t>(a)] < folded[static_cast<size_t>(b)];
    });
    QStringList sorted;
    const QString* previous = nullptr;
    for (int i : order) {
        const QString& key = folded[static_cast<size_t>(i)];
        if (previous && *previous == key) {
            continue;
        }
        sorted.append(added[i]);
        previous = &key;
    }
    return sorted;
}

TableParts collectTableParts(const EntryList& entries, const PeriodTable& periods,
                             const TableBookItem& book, TableLevel level,
                             const QString& selectedTitle) {
    TitleCollector titles;
    if (book.isAllBooks()) {
        collectAllBooks(entries, periods, level, selectedTitle, titles);
    } else {
        collectOneBook(entries, periods, book, level, selectedTitle, titles);
    }
    return titles.finish();
}

}  // namespace tallyrix

#include "ledger/balances.h"

#include "ledger/periods.h"
#include "yearfile/entry.h"

namespace tallyrix {
namespace {

// A whole number of yen: optional sign and digits only.
bool tryWholeYen(const QString& text, Amount& result) {
    qsizetype i = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
    // Fourteen digits stay inside what an amount can hold.
    if (i == text.size() || text.size() - i > 14) {
        return false;
    }
    for (qsizetype k = i; k < text.size(); ++k) {
        if (text[k] < u'0' || text[k] > u'9') {
            return false;
        }
    }
    result = Amount::fromYen(text.toLongLong());
    return true;
}

// Lines of older versions that lack the book fields get the main cash book.
QString olderLineSuffix(const Workspace& ws) {
    return u',' + cashKind() + u',' + ws.mainTitle() + u',' + cashKind() + u',' + ws.mainTitle() +
           u',';
}

void completeOlderLines(Workspace& ws, int maxFields) {
    for (int i = 0; i < ws.entries.count(); ++i) {
        const Entry& entry = ws.entries.at(i);
        if (entry.fieldCount() <= maxFields) {
            ws.entries.replace(i, entry.text() + olderLineSuffix(ws));
        }
    }
}

// The periods' days, looked up once per computation.
struct PeriodDays {
    std::array<qint64, 13> start{};
    std::array<qint64, 13> end{};
    int first = 1;
    int last = 12;

    explicit PeriodDays(const PeriodTable& table)
        : first(table.firstPeriod()), last(table.lastPeriod()) {
        for (int n = 1; n <= 12; ++n) {
            start[static_cast<size_t>(n)] = table[n].start.toJulianDay();
            end[static_cast<size_t>(n)] = table[n].end.toJulianDay();
        }
    }

    int balancePeriod(qint64 day) const {
        if (day >= end[static_cast<size_t>(last)]) {
            return last;
        }
        if (day <= start[static_cast<size_t>(first)]) {
            return first;
        }
        for (int n = 1; n <= 12; ++n) {
            if (start[static_cast<size_t>(n)] <= day && day <= end[static_cast<size_t>(n)]) {
                return n;
            }
        }
        // In a gap: the period that started last before the day.
        int best = first;
        for (int n = 1; n <= 12; ++n) {
            if (start[static_cast<size_t>(n)] <= day &&
                start[static_cast<size_t>(n)] > start[static_cast<size_t>(best)]) {
                best = n;
            }
        }
        return best;
    }
};

}  // namespace

Amount bookOpeningBalance(const Workspace& ws, const BookRef& book) {
    if (book.kind == cashKind()) {
        return ws.periods.openingBalance;
    }
    Amount opening;
    for (const QString& line : ws.bookLines(book.kind)) {
        if (bookLineField(line, 2) == book.kind && bookLineField(line, 3) == book.name) {
            Amount value;
            opening = tryWholeYen(bookLineField(line, 4), value) ? value : Amount();
        }
    }
    return opening;
}

int balancePeriodOfDate(const PeriodTable& table, const QDate& date) {
    return PeriodDays(table).balancePeriod(date.toJulianDay());
}

namespace {

// What one book's pass gathers: its running balance and, by fiscal position, the
// last line counted there with the balance after it.
struct BookRun {
    Amount balance;
    std::array<int, 13> lastLineAt{};  // by fiscal position 1..12; 0 = none
    std::array<Amount, 13> balanceAt{};
    int rank = -1;  // the book's last place in the list computed, -1: not computed
};

BalanceValues valuesOf(const PeriodTable& table, Amount opening, const BookRun* run,
                       int currentMonth) {
    BalanceValues values;
    values.opening = opening;
    // The month-end slots from a line's period to the end of the year take its
    // balance; so each slot ends up with the balance of the last line (in list
    // order) whose period lies at or before it in fiscal order.
    int latest = 0;
    Amount slot = opening;
    for (int k = 1; k <= 12; ++k) {
        if (run && run->lastLineAt[static_cast<size_t>(k)] > latest) {
            latest = run->lastLineAt[static_cast<size_t>(k)];
            slot = run->balanceAt[static_cast<size_t>(k)];
        }
        values.monthEnd[static_cast<size_t>(table.periodAtPosition(k))] = slot;
    }
    values.closing = run ? run->balance : opening;
    if (currentMonth >= 1 && currentMonth <= 13) {
        values.displayedMonth = values.monthEnd[static_cast<size_t>(currentMonth)];
    }
    return values;
}

}  // namespace

std::vector<BalanceValues> computeBalancesOfBooks(Workspace& ws, const QList<BookRef>& books,
                                                  int currentMonth) {
    completeOlderLines(ws, 9);
    const PeriodTable& table = ws.periods;
    const PeriodDays days(table);

    // Runs by book number of the entry list; a book named twice is one run whose
    // rank is its later place.
    std::vector<BookRun> runs;
    std::vector<int> ids;
    std::vector<Amount> openings;
    for (int k = 0; k < books.size(); ++k) {
        const int id = ws.entries.bookId(books[k]);
        ids.push_back(id);
        openings.push_back(bookOpeningBalance(ws, books[k]));
        if (id < 0) {
            continue;
        }
        if (static_cast<size_t>(id) >= runs.size()) {
            runs.resize(static_cast<size_t>(id) + 1);
        }
        BookRun& run = runs[static_cast<size_t>(id)];
        if (run.rank < 0) {
            run.balance = openings.back();
        }
        run.rank = k;
    }
    const auto runOf = [&runs](int id) -> BookRun* {
        if (id < 0 || static_cast<size_t>(id) >= runs.size() ||
            runs[static_cast<size_t>(id)].rank < 0) {
            return nullptr;
        }
        return &runs[static_cast<size_t>(id)];
    };

    const int count = ws.entries.count();
    for (int i = 0; i < count; ++i) {
        const Entry& entry = *(ws.entries.begin() + i);
        BookRun* own = runOf(entry.ownBook());
        BookRun* counter =
            entry.counterBook() == entry.ownBook() ? nullptr : runOf(entry.counterBook());
        if (!own && !counter) {
            continue;
        }
        const auto position =
            static_cast<size_t>(table.positionOfPeriod(days.balancePeriod(entry.day())));
        for (BookRun* run : {own, counter}) {
            if (!run) {
                continue;
            }
            // Seen from the counterpart, income and expense change places.
            run->balance +=
                run == own ? entry.income() - entry.expense() : entry.expense() - entry.income();
            run->lastLineAt[position] = i + 1;
            run->balanceAt[position] = run->balance;
        }
        // A transfer between two of the books keeps the balance of the one
        // computed later, as if the books had been computed one after the other.
        const BookRun* writer = !counter || (own && own->rank > counter->rank) ? own : counter;
        ws.entries.setBalance(i, writer->balance);
    }

    std::vector<BalanceValues> values;
    for (size_t k = 0; k < ids.size(); ++k) {
        values.push_back(valuesOf(table, openings[k], runOf(ids[k]), currentMonth));
    }
    return values;
}

BalanceValues computeBookBalances(Workspace& ws, const BookRef& book, int currentMonth) {
    return computeBalancesOfBooks(ws, {book}, currentMonth).front();
}

void reassignMonthKeys(Workspace& ws) {
    completeOlderLines(ws, 8);
    const PeriodTable& table = ws.periods;
    const QDate firstStart = table[table.firstPeriod()].start;
    for (int i = 0; i < ws.entries.count(); ++i) {
        const Entry& entry = ws.entries.at(i);
        int m = periodOfDate(table, entry.date());
        if (m == 0) {
            m = entry.date() < firstStart ? table.firstPeriod() : table.lastPeriod();
        }
        QStringList fields = entry.fields();
        fields[MonthKeyField] = monthKey(m);
        ws.entries.replace(i, joinEntryFields(fields));
    }
}

}  // namespace tallyrix

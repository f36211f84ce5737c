#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/format_settings.h"
#include "core/scripted_prompter.h"
#include "core/program_settings.h"
#include "ledger/balances.h"
#include "ledger/ledger_model.h"
#include "ledger/periods.h"
#include "yearfile/file_commands.h"
#include "yearfile/year_file.h"

using namespace tallyrix;

namespace {

// A year of `entries` entries spread over the main cash book, 14 petty-cash and
// 15 bank books (30 books), one in five a transfer from the cash book.
Workspace makeYear(int entries) {
    Workspace ws;
    autoSetMonthEnd(ws.periods, 4, 2015);
    ws.periods.startMonth = 4;
    ws.periods.startYear = 2015;
    QList<BookRef> books{ws.mainBook()};
    for (int i = 0; i < 14; ++i) {
        ws.pettyBooks.add(QStringLiteral("z,小口,小口%1,1000,").arg(i));
        books.append({pettyCashKind(), QStringLiteral("小口%1").arg(i)});
    }
    for (int i = 0; i < 15; ++i) {
        ws.bankBooks.add(QStringLiteral("z,預金,銀行%1,500000,").arg(i));
        books.append({bankKind(), QStringLiteral("銀行%1").arg(i)});
    }
    const QDate first(2015, 4, 1);
    for (int i = 0; i < entries; ++i) {
        const QDate date = first.addDays(i * 365 / entries);
        const BookRef& own = books[i % books.size()];
        const BookRef& counter = (i % 5 == 0 && i % books.size() != 0) ? books[0] : own;
        ws.entries.append(QStringLiteral("d%1=,%2,%3,旅費交通費,電車代,%4,%5,,%6,%7,%8,%9,")
                              .arg(date.month(), 2, 10, QChar(u'0'))
                              .arg(formatDate(date))
                              .arg(i)
                              .arg(i % 3 == 0 ? 1000 + i % 7 : 0)
                              .arg(i % 3 == 0 ? 0 : 500 + i % 11)
                              .arg(own.kind, own.name, counter.kind, counter.name));
    }
    return ws;
}

void BM_TotalcheckEveryBook(benchmark::State& state) {
    Workspace ws = makeYear(static_cast<int>(state.range(0)));
    const QList<BookRef> books = booksInPanelOrder(ws);
    for (auto _ : state) {
        for (const BookRef& book : books) {
            benchmark::DoNotOptimize(computeBookBalances(ws, book, 4).closing);
        }
    }
    state.counters["books"] = static_cast<double>(books.size());
}
BENCHMARK(BM_TotalcheckEveryBook)->Arg(20000)->Unit(benchmark::kMillisecond);

// The refresh of the window: the book panel (every book), the current book and
// the rows of one period.
void BM_Datadisp3(benchmark::State& state) {
    Workspace ws = makeYear(static_cast<int>(state.range(0)));
    ScriptedPrompter prompter;
    LedgerModel view(ws, prompter, [] { return QDate(2015, 7, 10); });
    view.showPeriod(7);
    for (auto _ : state) {
        view.refresh();
        benchmark::DoNotOptimize(view.rows().size());
    }
    state.counters["books"] = static_cast<double>(view.bookPanel().size());
    state.counters["rows"] = static_cast<double>(view.rows().size());
}
BENCHMARK(BM_Datadisp3)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_OpenYearFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("year.exv"));
    serialiseYear(makeYear(static_cast<int>(state.range(0)))).saveToFile(path);
    for (auto _ : state) {
        Workspace ws;
        ScriptedPrompter prompter;
        LedgerModel ledger(ws, prompter);
        ProgramSettings settings;
        FileCommands files(ws, prompter, ledger, Folders{dir.path(), dir.path()}, settings,
                           QString());
        benchmark::DoNotOptimize(files.openYearFile(path));
    }
}
BENCHMARK(BM_OpenYearFile)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ParseYearFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("year.exv"));
    serialiseYear(makeYear(static_cast<int>(state.range(0)))).saveToFile(path);
    for (auto _ : state) {
        Workspace ws;
        benchmark::DoNotOptimize(parseYearFile(path, ws, QDate(2016, 1, 1)).periodsFromFile);
    }
}
BENCHMARK(BM_ParseYearFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

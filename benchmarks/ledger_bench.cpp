#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "benchmarks/bench_year.h"
#include "core/format_settings.h"
#include "core/program_settings.h"
#include "core/scripted_prompter.h"
#include "ledger/balances.h"
#include "ledger/ledger_model.h"
#include "ledger/periods.h"
#include "yearfile/file_commands.h"
#include "yearfile/year_file.h"

using namespace tallyrix;
using tallyrix::bench::makeYear;

namespace {

// The balances of every book of the panel in one pass.
void BM_ComputeBalancesOfEveryBook(benchmark::State& state) {
    Workspace ws = makeYear(static_cast<int>(state.range(0)));
    const QList<BookRef> books = booksInPanelOrder(ws);
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeBalancesOfBooks(ws, books, 4).back().closing);
    }
    state.counters["books"] = static_cast<double>(books.size());
}

// One book alone, as the commands that need one book's closing balance compute it.
void BM_ComputeBalancesOfOneBook(benchmark::State& state) {
    Workspace ws = makeYear(static_cast<int>(state.range(0)));
    const BookRef book = booksInPanelOrder(ws).value(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeBookBalances(ws, book, 4).closing);
    }
}
BENCHMARK(BM_ComputeBalancesOfOneBook)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeBalancesOfEveryBook)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The refresh of the window: the book panel (every book), the current book and
// the rows of one period.
void BM_Refresh(benchmark::State& state) {
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
BENCHMARK(BM_Refresh)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

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

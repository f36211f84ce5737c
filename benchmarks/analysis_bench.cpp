#include <benchmark/benchmark.h>

#include "analysis/monthly_table.h"
#include "analysis/summary_figures.h"
#include "benchmarks/bench_year.h"

using namespace tallyrix;
using tallyrix::bench::makeYear;

namespace {

constexpr int kTitles = 40;

// One computation of the table with the summary it refreshes, as the page does
// it, over a year of `state.range(0)` entries in 30 books.
void computeTables(benchmark::State& state, const TableBookItem& book, TableLevel level,
                   const QString& title = {}) {
    const Workspace ws = makeYear(static_cast<int>(state.range(0)), kTitles);
    MonthlyTable table;
    SummaryFigures summary;
    for (auto _ : state) {
        summary.setRange(ws.periods);
        table.compute(ws.entries, ws.periods, book, level, title);
        summary.refresh(table, ws.periods);
        benchmark::DoNotOptimize(summary.maxlevel().text.size());
    }
    state.counters["rows"] = table.lastFilledRow();
}

const TableBookItem kAllBooks{TableBookItem::allBooksText(), TableBookItem::allBooksText()};

// What entering the page "月別一覧表" computes: all books at the account level.
void BM_MonthlyTableAllBooks(benchmark::State& state) {
    computeTables(state, kAllBooks, TableLevel::Accounts);
}
BENCHMARK(BM_MonthlyTableAllBooks)->Arg(100000)->Unit(benchmark::kMillisecond);

// The main cash book, which every transfer touches.
void BM_MonthlyTableCashBook(benchmark::State& state) {
    computeTables(state, {businessTitle(), cashKind()}, TableLevel::Accounts);
}
BENCHMARK(BM_MonthlyTableCashBook)->Arg(100000)->Unit(benchmark::kMillisecond);

// The descriptions of one title across all books.
void BM_MonthlyTableDescriptions(benchmark::State& state) {
    computeTables(state, kAllBooks, TableLevel::Descriptions, QStringLiteral("科目7"));
}
BENCHMARK(BM_MonthlyTableDescriptions)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

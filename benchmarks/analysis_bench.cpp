#include <benchmark/benchmark.h>

#include "analysis/monthly_table.h"
#include "analysis/summary_figures.h"
#include "benchmarks/bench_year.h"

using namespace tallyrix;
using tallyrix::bench::makeYear;

namespace {

constexpr int kTitles = 40;

// The table of all books at the account level, with the summary it refreshes:
// what entering the page "月別一覧表" computes.
void BM_MonthlyTableAllBooks(benchmark::State& state) {
    const Workspace ws = makeYear(static_cast<int>(state.range(0)), kTitles);
    const TableBookItem all{TableBookItem::allBooksText(), TableBookItem::allBooksText()};
    MonthlyTable table;
    SummaryFigures summary;
    for (auto _ : state) {
        summary.setRange(ws.periods);
        table.compute(ws.entries, ws.periods, all, TableLevel::Accounts, {});
        summary.refresh(table, ws.periods);
        benchmark::DoNotOptimize(summary.maxlevel().text.size());
    }
    state.counters["rows"] = table.lastFilledRow();
}
BENCHMARK(BM_MonthlyTableAllBooks)->Arg(100000)->Unit(benchmark::kMillisecond);

// The main cash book, which every transfer touches, at the account level.
void BM_MonthlyTableCashBook(benchmark::State& state) {
    const Workspace ws = makeYear(static_cast<int>(state.range(0)), kTitles);
    const TableBookItem cash{ws.mainTitle(), cashKind()};
    MonthlyTable table;
    SummaryFigures summary;
    for (auto _ : state) {
        summary.setRange(ws.periods);
        table.compute(ws.entries, ws.periods, cash, TableLevel::Accounts, {});
        summary.refresh(table, ws.periods);
        benchmark::DoNotOptimize(summary.maxlevel().text.size());
    }
    state.counters["rows"] = table.lastFilledRow();
}
BENCHMARK(BM_MonthlyTableCashBook)->Arg(100000)->Unit(benchmark::kMillisecond);

// The descriptions of one title across all books.
void BM_MonthlyTableDescriptions(benchmark::State& state) {
    const Workspace ws = makeYear(static_cast<int>(state.range(0)), kTitles);
    const TableBookItem all{TableBookItem::allBooksText(), TableBookItem::allBooksText()};
    MonthlyTable table;
    SummaryFigures summary;
    for (auto _ : state) {
        summary.setRange(ws.periods);
        table.compute(ws.entries, ws.periods, all, TableLevel::Descriptions,
                      QStringLiteral("科目7"));
        summary.refresh(table, ws.periods);
        benchmark::DoNotOptimize(summary.maxlevel().text.size());
    }
    state.counters["rows"] = table.lastFilledRow();
}
BENCHMARK(BM_MonthlyTableDescriptions)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

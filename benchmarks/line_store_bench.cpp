#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/cp932.h"
#include "core/line_store.h"

using tallyrix::LineStore;

namespace {

// A year file of `lines` entry lines, as the program writes them.
QString writeYearLikeFile(const QTemporaryDir& dir, int lines) {
    QString text;
    for (int i = 0; i < lines; ++i) {
        text +=
            QStringLiteral(
                "d%1=,2015/%1/%2,%3,旅費交通費,電車代　東京－大阪,0,%4,%5,現金,現金出納帳,,,\r\n")
                .arg(i % 12 + 1, 2, 10, QChar(u'0'))
                .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                .arg(i)
                .arg(1500 + i % 100)
                .arg(100000 - i);
    }
    const QString path = dir.filePath(QStringLiteral("year.exv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(tallyrix::encodeCp932(text));
    return path;
}

void BM_LoadFromFile100kLines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeYearLikeFile(dir, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LineStore lines;
        lines.loadFromFile(path);
        benchmark::DoNotOptimize(lines.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadFromFile100kLines)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SaveToFile100kLines(benchmark::State& state) {
    QTemporaryDir dir;
    LineStore lines;
    lines.loadFromFile(writeYearLikeFile(dir, static_cast<int>(state.range(0))));
    const QString out = dir.filePath(QStringLiteral("out.exv"));
    for (auto _ : state) {
        lines.saveToFile(out);
    }
}
BENCHMARK(BM_SaveToFile100kLines)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DecodeCp932(benchmark::State& state) {
    QTemporaryDir dir;
    QFile file(writeYearLikeFile(dir, 100000));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tallyrix::decodeCp932(bytes).size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeCp932)->Unit(benchmark::kMillisecond);

void BM_CommaTextSplit(benchmark::State& state) {
    const QString line = QStringLiteral(
        "d07=,2015/07/01,3,交通費,電車代,0,1500,98500,現金,現金出納帳,預金,みずほ銀行,");
    LineStore fields;
    for (auto _ : state) {
        fields.setCommaText(line);
        benchmark::DoNotOptimize(fields.count());
    }
}
BENCHMARK(BM_CommaTextSplit);

}  // namespace

BENCHMARK_MAIN();

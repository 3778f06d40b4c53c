// The scanner and the undefined-name search on generated sources of 10,000, 100,000 and
// 1,000,000 lines; both must grow linearly.
#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"
#include "bench_main.h"
#include "opl_source_generator.h"

#include <benchmark/benchmark.h>
#include <map>

namespace {

const QStringList &source(int lineCount) {
    static std::map<int, QStringList> cache;
    auto it = cache.find(lineCount);
    if (it == cache.end())
        it = cache.emplace(lineCount, OplSourceGenerator::lines(lineCount)).first;
    return it->second;
}

const VocabularyNames &vocabulary() {
    static const VocabularyNames names(OplSourceGenerator::vocabulary());
    return names;
}

IncludeFile readHeader(const QString &path) {
    IncludeFile file;
    if (path == QStringLiteral("/inc/") + OplSourceGenerator::includeName()) {
        file.status = IncludeFile::Status::Read;
        file.text = OplSourceGenerator::header();
    }
    return file;
}

ScanResult scan(const QStringList &lines) {
    return scanSource(lines, vocabulary(), QStringLiteral("/inc"), readHeader,
                      QStringLiteral("bench.opl"));
}

void setCounters(benchmark::State &state) {
    state.SetComplexityN(state.range(0));
    state.counters["lines/s"] = benchmark::Counter(double(state.range(0)) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
}

void BM_ScanSource(benchmark::State &state) {
    const QStringList &lines = source(int(state.range(0)));
    for (auto _ : state) {
        ScanResult result = scan(lines);
        benchmark::DoNotOptimize(result);
    }
    const ScanResult result = scan(lines);
    state.counters["nodes"] = double(result.nodes.size());
    state.counters["reports"] = double(result.reports.size());
    setCounters(state);
}

void BM_FindUndefined(benchmark::State &state) {
    const QStringList &lines = source(int(state.range(0)));
    const ScanResult scanned = scan(lines);
    for (auto _ : state) {
        UndefinedSearchResult result =
            findUndefined(lines, vocabulary(), scanned.lstProc, scanned.nodes);
        benchmark::DoNotOptimize(result);
    }
    state.counters["findings"] =
        double(findUndefined(lines, vocabulary(), scanned.lstProc, scanned.nodes).findings.size());
    setCounters(state);
}

} // namespace

BENCHMARK(BM_ScanSource)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_FindUndefined)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

TAMRO_BENCHMARK_MAIN()

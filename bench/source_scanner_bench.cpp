// The scanner and the undefined-name search on generated sources of 10,000, 100,000 and
// 1,000,000 lines; both must grow linearly.
#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"
#include "bench_main.h"
#include "opl_source_generator.h"

#include <benchmark/benchmark.h>
#include <map>

namespace {

// One text, as the document window and the language server hand a document to the analysis.
const QString &source(int lineCount) {
    static std::map<int, QString> cache;
    auto it = cache.find(lineCount);
    if (it == cache.end())
        it = cache.emplace(lineCount, OplSourceGenerator::lines(lineCount).join(u'\n')).first;
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

ScanResult scan(const QString &text) {
    return scanSource(SourceLines(QStringView(text)), vocabulary(), QStringLiteral("/inc"),
                      readHeader, QStringLiteral("bench.opl"));
}

void setCounters(benchmark::State &state) {
    state.SetComplexityN(state.range(0));
    state.counters["lines/s"] = benchmark::Counter(double(state.range(0)) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
}

void BM_ScanSource(benchmark::State &state) {
    const QString &text = source(int(state.range(0)));
    for (auto _ : state) {
        ScanResult result = scan(text);
        benchmark::DoNotOptimize(result);
    }
    const ScanResult result = scan(text);
    state.counters["nodes"] = double(result.nodes.size());
    state.counters["reports"] = double(result.reports.size());
    setCounters(state);
}

void BM_FindUndefined(benchmark::State &state) {
    const QString &text = source(int(state.range(0)));
    const ScanResult scanned = scan(text);
    for (auto _ : state) {
        UndefinedSearchResult result = findUndefined(SourceLines(QStringView(text)), vocabulary(),
                                                     scanned.lstProc, scanned.nodes);
        benchmark::DoNotOptimize(result);
    }
    state.counters["findings"] = double(
        findUndefined(SourceLines(QStringView(text)), vocabulary(), scanned.lstProc, scanned.nodes)
            .findings.size());
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

// How long reading and evaluating a translator log takes, up to a runaway 20 MB log: the
// evaluation runs on the interface thread right after the wait.
#include "translator/translator_log.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString chatter(qsizetype bytes) {
    const QString line = QStringLiteral("Translating procedure main, pass 2 of 3, no problems\r\n");
    return line.repeated(std::max<qsizetype>(1, bytes / line.size()));
}

void BM_EvaluateSuccessLog(benchmark::State &state) {
    const QString log = chatter(state.range(0)) + QStringLiteral("[OutputPath=/out/Game\r\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateTranslationLog(log, QStringLiteral("/src/Game.tpl")));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EvaluateSuccessLog)->Arg(4 << 10)->Arg(1 << 20)->Arg(20 << 20);

void BM_EvaluateErrorAtTheEnd(benchmark::State &state) {
    const QString log =
        chatter(state.range(0)) + QStringLiteral("error loc::/SRC/GAME.TPL12:Syntax error:\r\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateTranslationLog(log, QStringLiteral("/src/Game.tpl")));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EvaluateErrorAtTheEnd)->Arg(4 << 10)->Arg(20 << 20);

void BM_ReadLog(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.log"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the log");
        return;
    }
    file.write(chatter(state.range(0)).toUtf8());
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(readTranslatorLog(path));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadLog)->Arg(4 << 10)->Arg(20 << 20);

} // namespace

BENCHMARK_MAIN();

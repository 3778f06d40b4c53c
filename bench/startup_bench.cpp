// Process start to the main window shown with "Document 1" (offscreen): runs
// tamro-startup-probe and measures until it reports the painted window.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void BM_StartToFirstDocument(benchmark::State &state) {
    QTemporaryDir folder;
    for (const char *name : {"opl.xml", "global.xml"})
        if (!QFile::copy(QStringLiteral(TAMRO_BUILD_PROGRAM_DIR "/") + name,
                         folder.filePath(QString::fromLatin1(name))))
            return state.SkipWithError("the program folder's data files are missing");
    const QString probe = QStringLiteral(TAMRO_STARTUP_PROBE);
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(probe, {folder.path()});
        if (!process.waitForReadyRead(30000))
            return state.SkipWithError("the probe did not report");
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        if (process.readAll().trimmed() != "shown")
            return state.SkipWithError("the probe showed no \"Document 1\"");
        process.waitForFinished(30000);
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartToFirstDocument)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

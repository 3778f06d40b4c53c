#include "translator/translator_run.h"

#include "translator/batch_file.h"
#include "translator/command_line.h"
#include "translator/log_name.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <cmath>
#include <memory>

namespace {

constexpr float kMaxWaitSeconds = 600.0f;

// Processes events until `process` has ended or `limit` has passed on a monotonic clock.
void waitForEnd(QProcess &process, std::chrono::milliseconds limit, const RunOptions &options) {
    const auto report = [&](std::chrono::milliseconds elapsed) {
        if (options.progress)
            options.progress(elapsed, limit);
    };
    QElapsedTimer clock;
    clock.start();
    report(std::chrono::milliseconds(0));
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &loop,
                     [&] { report(std::chrono::milliseconds(clock.elapsed())); });
    ticks.start(std::chrono::seconds(1));
    // A timer may fire a little early; go round again until the time has truly passed.
    while (process.state() != QProcess::NotRunning && clock.elapsed() < limit.count()) {
        deadline.start(std::chrono::milliseconds(limit.count() - clock.elapsed()));
        loop.exec();
    }
}

// Deleting a QProcess stops its process; one that outlives the wait is kept until it ends.
void leaveRunning(std::unique_ptr<QProcess> process) {
    static QList<QProcess *> running;
    QProcess *kept = process.release();
    running.append(kept);
    QObject::connect(kept, &QProcess::finished, kept, [kept] {
        running.removeOne(kept);
        kept->deleteLater();
    });
}

} // namespace

std::chrono::milliseconds clampedWait(float seconds) {
    if (!(seconds > 0.0f)) // also NaN
        return std::chrono::milliseconds(0);
    const float clamped = std::min(seconds, kMaxWaitSeconds);
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(clamped * 1000.0)));
}

TranslatorRun RunTranslator(const QString &commandLine, const RunOptions &options) {
    TranslatorRun run;
    const QDateTime now = options.now ? options.now() : QDateTime::currentDateTime();
    run.logName = MakeLogName(now);
    run.logPath = options.programFolder + QStringLiteral("/LOG/") + run.logName;
    run.batchPath = options.programFolder + u'/' + QLatin1String(kBatchFileName);

    const BatchWriteResult written =
        writeBatchFile(run.batchPath, withLogRedirection(commandLine, run.logPath));
    if (!written.ok) {
        run.error = written.error;
        return run;
    }

    auto process = std::make_unique<QProcess>();
    process->setProgram(options.shell);
    process->setArguments({run.batchPath});
    process->setWorkingDirectory(options.programFolder);
    // The translator never reads input; it must not wait on the program's terminal.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted()) {
        run.error = process->errorString();
        return run;
    }
    run.started = true;
    waitForEnd(*process, clampedWait(options.waitSeconds), options);
    if (process->state() != QProcess::NotRunning)
        leaveRunning(std::move(process));
    return run;
}

#include "translator/translator_run.h"

#include "translator/batch_file.h"
#include "translator/command_line.h"
#include "translator/log_name.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <cmath>

namespace {

constexpr float kMaxWaitSeconds = 600.0f;

} // namespace

std::chrono::milliseconds clampedWait(float seconds) {
    if (!(seconds > 0.0f)) // also NaN
        return std::chrono::milliseconds(0);
    const float clamped = std::min(seconds, kMaxWaitSeconds);
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(clamped * 1000.0)));
}

void waitProcessingEvents(std::chrono::milliseconds duration) {
    const QDeadlineTimer deadline(duration, Qt::PreciseTimer);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // A timer may fire a little early; go round again until the deadline has truly passed.
    while (!deadline.hasExpired()) {
        timer.start(std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 1)));
        loop.exec();
    }
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

    QProcess process;
    process.setProgram(options.shell);
    process.setArguments({run.batchPath});
    process.setWorkingDirectory(options.programFolder);
    // The translator never reads input; it must not wait on the program's terminal.
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        run.error = process.errorString();
        return run;
    }
    run.started = true;

    const std::chrono::milliseconds duration = clampedWait(options.waitSeconds);
    if (options.wait)
        options.wait(duration);
    else
        waitProcessingEvents(duration);
    return run;
}

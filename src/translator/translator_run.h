#pragma once

#include <QDateTime>
#include <QString>
#include <chrono>
#include <functional>

// One run of the external translator: write opltran.bat into the program folder, start it
// with /bin/sh, wait until it has ended or the configured time has passed, whichever comes
// first, and name the log the run should leave in the LOG folder. A translator still running
// when the wait is over is left running; it is never stopped.

struct RunOptions {
    QString programFolder;
    float waitSeconds = 6.0f;
    QString shell = QStringLiteral("/bin/sh");
    // The local time that names the log; the current time when empty.
    std::function<QDateTime()> now;
    // Told when the wait begins (elapsed 0) and about once a second while it lasts, with the
    // longest it may last.
    std::function<void(std::chrono::milliseconds elapsed, std::chrono::milliseconds limit)>
        progress;
};

struct TranslatorRun {
    bool started = false; // the batch file was written and launched
    QString error;        // the failing operation's description when !started
    QString logName;      // the log's file name, for messages
    QString logPath;      // programFolder/LOG/logName
    QString batchPath;    // programFolder/opltran.bat
};

// Runs `commandLine` (the translator's command, without redirection) with its output appended
// to this run's log, then waits, processing events. When the batch file cannot be written or
// started, returns at once, without waiting.
TranslatorRun RunTranslator(const QString &commandLine, const RunOptions &options);

// The wait for `seconds`, clamped to 0..600 (NaN counts as 0), in whole milliseconds
// rounded up so a translator that does not end gets the full time.
std::chrono::milliseconds clampedWait(float seconds);

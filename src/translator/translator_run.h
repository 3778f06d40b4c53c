#pragma once

#include <QDateTime>
#include <QString>
#include <chrono>
#include <functional>

// One run of the external translator: write opltran.bat into the program folder, start it
// detached with /bin/sh, wait the configured time, and name the log the run should leave in
// the LOG folder. The translator is neither watched nor stopped.

struct RunOptions {
    QString programFolder;
    float waitSeconds = 6.0f;
    QString shell = QStringLiteral("/bin/sh");
    // The local time that names the log; the current time when empty.
    std::function<QDateTime()> now;
    // Waits while the program keeps working; waitProcessingEvents when empty.
    std::function<void(std::chrono::milliseconds)> wait;
};

struct TranslatorRun {
    bool started = false; // the batch file was written and launched
    QString error;        // the failing operation's description when !started
    QString logName;      // the log's file name, for messages
    QString logPath;      // programFolder/LOG/logName
    QString batchPath;    // programFolder/opltran.bat
};

// Runs `commandLine` (the translator's command, without redirection) with its output appended
// to this run's log, then waits. When the batch file cannot be written or started, returns
// at once, without waiting.
TranslatorRun RunTranslator(const QString &commandLine, const RunOptions &options);

// The wait for `seconds`, clamped to 0..600 (NaN counts as 0), in whole milliseconds
// rounded up so the full time always passes.
std::chrono::milliseconds clampedWait(float seconds);

// Waits for `duration` on a monotonic clock in a local event loop, so the interface keeps
// working without spinning a core. The full time always passes; the wall clock (midnight,
// a clock change) plays no part.
void waitProcessingEvents(std::chrono::milliseconds duration);

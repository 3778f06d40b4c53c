#pragma once

#include <QString>

// Reading and evaluating the log a translator run leaves in the LOG folder. The log's format
// belongs to the translator; only two markers are understood: "Error LOC::" + source path +
// line number (right after the path) + ":" + error text + ":" (the path may name another file
// than the source, an included one), and "[OutputPath=" + output
// path without extension + the line end.

struct LogRead {
    enum class Status { Missing, Unreadable, Read };
    Status status = Status::Missing;
    QString text;  // the log decoded as source files are, when Read
    QString error; // the failing operation's description, when Unreadable
};

// Reads the log at `path` whole. Anything but a regular file of at most kMaxLogBytes is
// Missing.
LogRead readTranslatorLog(const QString &path);

inline constexpr qsizetype kMaxLogBytes = 64 * 1024 * 1024;

// What a translation run reports once its log is read.
struct TranslationOutcome {
    enum class Kind {
        Unrecognised, // no marker with a usable value: show `message`, the log (critical)
        ErrorLine,    // go to `line`, colour it, show `message` (critical), colour it back
        OtherFile,    // an error in another file (an include): show `message` (critical)
        Success,      // show `message` (no icon)
    };
    Kind kind = Kind::Unrecognised;
    int line = 0;    // 1-based line of the first error
    QString message; // the message box text
    QString opoPath; // the produced .opo file
    bool opoExists = false;
};

// Evaluates the log of a translation of `source` (the path as the document window shows it).
TranslationOutcome evaluateTranslationLog(const QString &log, const QString &source);

// The report of a conversion run: "Translation successfull", a line end and the log.
QString conversionMessage(const QString &log);

// The message for a log that is not there: "File not found!", two line ends, the log name.
QString missingLogMessage(const QString &logName);

// `log` as it goes into a message box: a log longer than kMaxShownLogChars is cut there and
// ends with a line end and "...", so a runaway translator cannot freeze the program.
QString shownLogText(const QString &log);

inline constexpr qsizetype kMaxShownLogChars = 16 * 1024;

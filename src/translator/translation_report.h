#pragma once

#include "translator/translator_run.h"

#include <QString>

// What a translation run shows once its wait is over: a message, or the first error line of
// the source, which the editor goes to and colours while the message is up. A log the run
// does not understand is shown as it stands.
struct TranslationReport {
    enum class Kind {
        Nothing,
        Message,   // show `text`: critical when `isError`, without an icon otherwise
        ErrorLine, // go to `line` (1-based), colour it, show `text` (critical), colour it back
    };
    Kind kind = Kind::Nothing;
    QString text;
    bool isError = false;
    int line = 0;

    // Reads the log of `run` and evaluates it for `source`, the path as the document window
    // shows it. A batch file that could not be written or started, and a log that cannot be
    // read, are reported with the failing operation's description; a log that is not there
    // with "File not found!", two line ends and the log's name.
    static TranslationReport forRun(const TranslatorRun &run, const QString &source);
};

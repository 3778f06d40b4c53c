#pragma once

#include "translator/translator_run.h"

#include <QString>

// What the conversion dialog shows once a run has ended: the translator's log, or why there
// is none.
struct ConversionReport {
    QString text;
    bool isError = false; // shown with the critical icon; the log is shown without one

    // Reads the run's log: "Translation successfull", a line end and the log; "File not
    // found!", two line ends and the log name when the log is not there; the failing
    // operation's description when the batch file could not be written or started, or the
    // log cannot be read.
    static ConversionReport forRun(const TranslatorRun &run);
};

#include "translator/conversion_report.h"

#include "translator/translator_log.h"

ConversionReport ConversionReport::forRun(const TranslatorRun &run) {
    if (!run.started)
        return {run.error, true};
    const LogRead log = readTranslatorLog(run.logPath);
    switch (log.status) {
    case LogRead::Status::Read:
        return {conversionMessage(log.text), false};
    case LogRead::Status::Unreadable:
        return {log.error, true};
    case LogRead::Status::Missing:
        break;
    }
    return {missingLogMessage(run.logName), true};
}

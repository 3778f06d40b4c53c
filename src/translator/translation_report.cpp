#include "translator/translation_report.h"

#include "translator/translator_log.h"

TranslationReport TranslationReport::forRun(const TranslatorRun &run, const QString &source) {
    if (!run.started)
        return {Kind::Message, run.error, true};
    const LogRead log = readTranslatorLog(run.logPath);
    switch (log.status) {
    case LogRead::Status::Missing:
        return {Kind::Message, missingLogMessage(run.logName), true};
    case LogRead::Status::Unreadable:
        return {Kind::Message, log.error, true};
    case LogRead::Status::Read:
        break;
    }
    const TranslationOutcome outcome = evaluateTranslationLog(log.text, source);
    switch (outcome.kind) {
    case TranslationOutcome::Kind::ErrorLine:
        return {Kind::ErrorLine, outcome.message, true, outcome.line};
    case TranslationOutcome::Kind::Success:
        return {Kind::Message, outcome.message, false};
    case TranslationOutcome::Kind::OtherFile:
    case TranslationOutcome::Kind::Unrecognised:
        break;
    }
    // An empty log still says which run left nothing.
    return {Kind::Message, outcome.message.isEmpty() ? run.logPath : outcome.message, true};
}

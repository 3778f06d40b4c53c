#include "translator/translator_log.h"

#include "base/disk_file.h"
#include "base/settings_file.h"
#include "base/string_table.h"
#include "base/text_codec.h"

#include <QRegularExpression>
#include <optional>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kErrorMarker = QStringLiteral("Error LOC::");
const QString kOutputMarker = QStringLiteral("[OutputPath=");

// Where the first line of `text` ends (CR or LF); -1 when it has none.
qsizetype lineEndIn(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\r' || text[i] == u'\n')
            return i;
    return -1;
}

// The output path after the success marker. A log that goes on past the marker's line (two
// runs in one second append to one log) must not glue the next run's text onto the path; a
// log without a line end after the marker loses its last two characters, as the translator
// always ends the line with two. No path, no report.
std::optional<QString> outputPathAfter(QStringView tail) {
    const qsizetype lineEnd = lineEndIn(tail);
    const QStringView path = lineEnd >= 0       ? tail.left(lineEnd)
                             : tail.size() >= 2 ? tail.chopped(2)
                                                : QStringView();
    if (path.isEmpty())
        return std::nullopt;
    return path.toString();
}

// The error text runs from `afterNumber` to the next ":". A log cut off after the number still
// names the line, so it is reported with an empty text rather than left unexplained.
QString errorText(QStringView afterNumber) {
    QStringView text;
    if (afterNumber.startsWith(u':')) {
        text = afterNumber.sliced(1);
        const qsizetype nextColon = text.indexOf(u':');
        if (nextColon >= 0)
            text = text.left(nextColon);
    }
    return shownLogText(text.left(kMaxShownLogChars + 1).toString());
}

TranslationOutcome errorOutcome(QStringView afterMarker) {
    TranslationOutcome outcome;
    const qsizetype firstColon = afterMarker.indexOf(u':');
    const QStringView lineField = firstColon < 0 ? afterMarker : afterMarker.left(firstColon);
    bool ok = false;
    const int line = lineField.trimmed().toInt(&ok);
    if (!ok || line < 1)
        return outcome; // no line to go to: an unfinished or foreign log
    outcome.kind = TranslationOutcome::Kind::ErrorLine;
    outcome.line = line;
    outcome.message = errorText(afterMarker.sliced(lineField.size())) + kCrLf + kCrLf +
                      StringTable::text(1050) + lineField.trimmed().toString();
    return outcome;
}

// An error located in another file: its path, blanks, the line number and ":" on one line.
TranslationOutcome otherFileOutcome(QStringView afterMarker) {
    static const QRegularExpression located(QStringLiteral("^(.+?)\\s*(\\d+)\\s*:"));
    TranslationOutcome outcome;
    const qsizetype lineEnd = lineEndIn(afterMarker);
    const QRegularExpressionMatch match =
        located.match((lineEnd < 0 ? afterMarker : afterMarker.left(lineEnd)).toString());
    bool ok = false;
    const int line = match.hasMatch() ? match.capturedView(2).toInt(&ok) : 0;
    if (!ok || line < 1)
        return outcome;
    outcome.kind = TranslationOutcome::Kind::OtherFile;
    outcome.line = line;
    outcome.message = errorText(afterMarker.sliced(match.capturedEnd(0) - 1)) + kCrLf + kCrLf +
                      shownLogText(match.captured(1)) + StringTable::text(1050) +
                      QString::number(line);
    return outcome;
}

// The log itself, when it holds nothing the run understands: a crash, a translator's own
// complaint, or output cut short.
TranslationOutcome unrecognised(const QString &log) {
    TranslationOutcome outcome;
    outcome.message = shownLogText(log);
    return outcome;
}

} // namespace

LogRead readTranslatorLog(const QString &path) {
    LogRead result;
    DiskFile::ReadResult file = DiskFile::read(path, kMaxLogBytes);
    switch (file.status) {
    case DiskFile::ReadResult::Status::Missing:
        break;
    case DiskFile::ReadResult::Status::Unreadable:
        result.status = LogRead::Status::Unreadable;
        result.error = file.error;
        break;
    case DiskFile::ReadResult::Status::Read:
        result.status = LogRead::Status::Read;
        result.text = TextCodec::decodeText(file.bytes);
        break;
    }
    return result;
}

TranslationOutcome evaluateTranslationLog(const QString &log, const QString &source) {
    const qsizetype errorAt = log.indexOf(kErrorMarker + source, 0, Qt::CaseInsensitive);
    if (errorAt >= 0) {
        TranslationOutcome outcome =
            errorOutcome(QStringView(log).sliced(errorAt + kErrorMarker.size() + source.size()));
        return outcome.kind == TranslationOutcome::Kind::ErrorLine ? outcome : unrecognised(log);
    }
    if (const qsizetype elsewhere = log.indexOf(kErrorMarker, 0, Qt::CaseInsensitive);
        elsewhere >= 0) {
        TranslationOutcome outcome =
            otherFileOutcome(QStringView(log).sliced(elsewhere + kErrorMarker.size()));
        return outcome.kind == TranslationOutcome::Kind::OtherFile ? outcome : unrecognised(log);
    }

    const qsizetype outputAt = log.indexOf(kOutputMarker, 0, Qt::CaseInsensitive);
    if (outputAt < 0)
        return unrecognised(log);
    const std::optional<QString> outputPath =
        outputPathAfter(QStringView(log).sliced(outputAt + kOutputMarker.size()));
    if (!outputPath)
        return unrecognised(log);
    TranslationOutcome outcome;
    outcome.kind = TranslationOutcome::Kind::Success;
    outcome.opoPath = *outputPath + QStringLiteral(".opo");
    outcome.opoExists = FileExists(outcome.opoPath);
    outcome.message = StringTable::text(1051) + kCrLf + shownLogText(log) + kCrLf + kCrLf +
                      StringTable::text(1061) + u'\t' + shownLogText(outcome.opoPath);
    if (!outcome.opoExists)
        outcome.message += QStringLiteral(" - ") + StringTable::text(1067);
    outcome.message += kCrLf;
    return outcome;
}

QString conversionMessage(const QString &log) {
    return StringTable::text(1051) + kCrLf + shownLogText(log);
}

QString missingLogMessage(const QString &logName) {
    return StringTable::text(1067) + kCrLf + kCrLf + logName;
}

QString shownLogText(const QString &log) {
    if (log.size() <= kMaxShownLogChars)
        return log;
    return log.left(kMaxShownLogChars) + kCrLf + QStringLiteral("...");
}

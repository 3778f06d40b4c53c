#pragma once

#include <QByteArray>
#include <QString>

// opltran.bat: the one-line script that runs the translator. It is a POSIX sh script ending
// in LF alone (sh would keep a CR as part of the log name), in the file-name encoding.

inline constexpr char kBatchFileName[] = "opltran.bat";

// The bytes of the batch file holding `commandLine`.
QByteArray batchFileBytes(const QString &commandLine);

struct BatchWriteResult {
    bool ok = false;
    QString error; // the failing operation's description when !ok
};

// Replaces the file at `path` with the batch file for `commandLine`, atomically: on any
// failure the previous file stays as it was.
BatchWriteResult writeBatchFile(const QString &path, const QString &commandLine);

#pragma once

#include <QString>
#include <QStringList>

// An OPL source read from disk as the editor opens it: any BOM or encoding, any line end.
struct SourceFile {
    bool ok = false;
    QStringList lines; // split as the editor splits: an empty file is one empty line
    QString error;     // one line naming the file and the reason, when not ok

    static SourceFile read(const QString &path);

    // A source is a few hundred kilobytes; this stops a device or a wrong path (/dev/zero)
    // from exhausting memory.
    static constexpr qint64 kMaxBytes = qint64(256) * 1024 * 1024;
};

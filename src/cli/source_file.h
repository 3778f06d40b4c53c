#pragma once

#include "analysis/source_lines.h"

#include <QByteArray>
#include <QString>
#include <optional>

// An OPL source read from disk as the editor opens it: any BOM or encoding, any line end.
struct SourceFile {
    bool ok = false;
    QString error; // one line naming the file and the reason, when not ok

    // The lines as the editor splits them, valid while this object lives.
    SourceLines lines() const;

    // `nativePath` is the name as the system spells it, when `path` may not say it exactly
    // (bytes of a command line that are not valid in the locale's encoding).
    static SourceFile read(const QString &path, const QByteArray &nativePath = {});

    // A source is a few hundred kilobytes; this stops a device or a wrong path (/dev/zero)
    // from exhausting memory.
    static constexpr qint64 kMaxBytes = qint64(256) * 1024 * 1024;

private:
    static bool mostlyOneLine(QByteArrayView text);

    // UTF-8 and Windows-1252 stay bytes, decoded line by line: a text in memory is as large
    // as the file, not twice. Other encodings (UTF-16), and a file that
    // is mostly one line, are decoded whole.
    QByteArray m_bytes;
    qsizetype m_skip = 0; // a byte order mark
    std::optional<SourceLines::Bytes> m_encoding;
    QString m_text;
};

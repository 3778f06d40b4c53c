#pragma once

#include <QString>
#include <functional>

// What reading a file named by an INCLUDE statement gave.
struct IncludeFile {
    enum class Status { Read, NotAFile, Unreadable };

    Status status = Status::NotAFile;
    QString text;  // Read: the decoded text, not yet cleaned
    QString error; // Unreadable: the failing operation's description

    // Reads a header from disk as Windows-1252 (one character per byte). Anything but a
    // regular file of at most kMaxBytes (a folder, a device, a FIFO, a name holding a NUL)
    // is NotAFile, reported as a missing header.
    static IncludeFile read(const QString &path);

    // The text cleaned the way old headers need: NUL characters dropped, and both the
    // sequence 0x0E, blank, ")" and the character 0xA9 turned into line breaks.
    static QString clean(QString text);

    // A header is a few kilobytes; this only stops a wrong path from exhausting memory.
    static constexpr qint64 kMaxBytes = qint64(256) * 1024 * 1024;
};

// Given the include path, returns the file. Tests and tools may read from elsewhere.
using IncludeReader = std::function<IncludeFile(const QString &path)>;

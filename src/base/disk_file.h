#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Whole-file reads and writes for every file the program consults or keeps: documents,
// tamro.ini, opltran.bat, the language and vocabulary files, headers, logs.
namespace DiskFile {

struct ReadResult {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    QByteArray bytes; // when Read
    QString error;    // the failing operation's description, when Unreadable
};

// Reads a regular file (or a link to one) of at most `maxBytes`. Anything else is Missing:
// no file, a folder, a device, a FIFO or a socket, a path holding a NUL, a file past the
// cap. Such a path is never opened in a way that could block or read without end.
ReadResult read(const QString &path, qint64 maxBytes);

struct WriteResult {
    bool ok = false;
    QString error; // the failing operation's description when !ok
};

// Replaces the file at `path` with `bytes` atomically: the bytes go to a temporary file
// beside it, are flushed and synced with every error checked, and only then renamed over
// the old file, whose mode, owner and group the new one keeps where the process may set
// them. On any failure the old file stays byte for byte and no temporary file is left.
WriteResult replace(const QString &path, QByteArrayView bytes);

// For tests: while one lives, every replace() fails where a full disk shows, after the
// bytes were handed over and before the rename, with `error` as its description.
class FlushFault {
public:
    explicit FlushFault(const QString &error);
    ~FlushFault();
    FlushFault(const FlushFault &) = delete;
    FlushFault &operator=(const FlushFault &) = delete;

private:
    std::optional<QString> m_previous;
};

} // namespace DiskFile

#include "base/disk_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace DiskFile {

namespace {

std::optional<QString> flushFault;

#ifdef Q_OS_UNIX
// The old file's owner and group go to the new one; where the process may not give the
// owner (not root), the group alone may still be one of its own.
void keepOwnerAndGroup(const QString &path, int fd) {
    struct stat old {};
    struct stat now {};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0 || ::fstat(fd, &now) != 0)
        return; // a new file
    if (old.st_uid == now.st_uid && old.st_gid == now.st_gid)
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0 || old.st_gid == now.st_gid)
        return;
    if (::fchown(fd, uid_t(-1), old.st_gid) != 0)
        return; // not a group of the process's: the new file keeps the process's own
}
#endif

} // namespace

ReadResult read(const QString &path, qint64 maxBytes) {
    ReadResult result;
    // Qt refuses a path holding a NUL too, but complains on the console.
    if (path.isEmpty() || path.contains(QChar(0)))
        return result;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return result;
    QFile file;
#ifdef Q_OS_UNIX
    // Checked again on the open descriptor, opened without waiting for a writer: the path
    // may have become a FIFO or a device since it was looked at.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.status = ReadResult::Status::Unreadable;
        result.error = qt_error_string(errno);
        return result;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return result;
    }
    const bool opened = file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    file.setFileName(path);
    const bool opened = file.open(QIODevice::ReadOnly);
#endif
    if (opened)
        result.bytes = file.read(maxBytes + 1);
    if (!opened || file.error() != QFileDevice::NoError) {
        result.status = ReadResult::Status::Unreadable;
        result.error = file.errorString();
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() > maxBytes) { // it grew past the cap while it was read
        result.bytes.clear();
        return result;
    }
    result.status = ReadResult::Status::Read;
    return result;
}

WriteResult replace(const QString &path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    const auto fail = [&file](const QString &error) {
        file.cancelWriting();
        return WriteResult{false, error};
    };
    if (file.write(bytes.data(), bytes.size()) != bytes.size())
        return fail(file.errorString());
    // commit() flushes too but does not look at the outcome: on a full disk it would rename
    // a short or empty file over the old one and report success.
    if (!file.flush())
        return fail(file.errorString());
    if (flushFault)
        return fail(*flushFault);
#ifdef Q_OS_UNIX
    // Some file systems report a lack of space only when the data reach the disk.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return fail(qt_error_string(errno));
    keepOwnerAndGroup(path, file.handle());
#endif
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

FlushFault::FlushFault(const QString &error) : m_previous(flushFault) {
    flushFault = error;
}

FlushFault::~FlushFault() {
    flushFault = m_previous;
}

} // namespace DiskFile

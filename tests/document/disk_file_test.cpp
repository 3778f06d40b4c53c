#include "document/disk_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// Devices and FIFOs would block or never end: only regular files under the cap are read.
TEST(DiskFileRead, OnlyRegularFilesUnderTheCapAreRead) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.opl");
    ASSERT_TRUE(DiskFile::replace(file, "abc").ok);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(file, dir.filePath("link")));
    using Status = DiskFile::ReadResult::Status;
    const struct {
        QString path;
        qint64 cap;
        Status status;
    } rows[] = {
        {file, 3, Status::Read},
        {dir.filePath("link"), 3, Status::Read},
        {file, 2, Status::Missing},
        {dir.filePath("fifo"), 100, Status::Missing},
        {"/dev/zero", 100, Status::Missing},
        {QString(), 100, Status::Missing},
    };
    for (const auto &row : rows) {
        const DiskFile::ReadResult read = DiskFile::read(row.path, row.cap);
        EXPECT_EQ(read.status, row.status) << row.path.toStdString();
        EXPECT_EQ(read.bytes, row.status == Status::Read ? "abc" : "") << row.path.toStdString();
    }
}

// Only root may hand a file to another owner; the mode is kept as before.
TEST(DiskFileReplace, KeepsTheOwnerGroupAndModeOfTheFileItReplaces) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    QTemporaryDir dir;
    const QString path = dir.filePath("theirs.opl");
    const QByteArray native = QFile::encodeName(path);
    ASSERT_TRUE(DiskFile::replace(path, "old").ok);
    ASSERT_EQ(::chown(native.constData(), 4321, 8765), 0);
    ASSERT_EQ(::chmod(native.constData(), 0640), 0);
    ASSERT_TRUE(DiskFile::replace(path, "new").ok);
    struct stat status {};
    ASSERT_EQ(::stat(native.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, 4321u);
    EXPECT_EQ(status.st_gid, 8765u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(DiskFile::read(path, 3).bytes, "new");
}

#include "base/disk_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

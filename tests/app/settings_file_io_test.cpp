#include "base/settings_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(FileExists, OnlyRegularFilesCount) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.opl");
    writeBytes(file, "PRINT 1");
    writeBytes(dir.filePath("empty"), {});
    ASSERT_TRUE(QFile::link(file, dir.filePath("link")));
    ASSERT_TRUE(QFile::link(dir.filePath("gone"), dir.filePath("dangling")));
    for (const QString name : {"a.opl", "empty", "link"})
        EXPECT_TRUE(FileExists(dir.filePath(name))) << name.toStdString();
    for (const QString &path : {dir.filePath("dangling"), dir.path(), dir.filePath("missing"),
                                file + "/x", QString(), file + QChar(0) + "tail"})
        EXPECT_FALSE(FileExists(path)) << path.toStdString();
}

#include "base/settings_file.h"
#include "common/test_paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileExists, OnlyRegularFilesCount) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.opl");
    writeFile(file, "PRINT 1");
    writeFile(dir.filePath("empty"), {});
    ASSERT_TRUE(QFile::link(file, dir.filePath("link")));
    ASSERT_TRUE(QFile::link(dir.filePath("gone"), dir.filePath("dangling")));
    for (const QString name : {"a.opl", "empty", "link"})
        EXPECT_TRUE(FileExists(dir.filePath(name))) << name.toStdString();
    for (const QString &path : {dir.filePath("dangling"), dir.path(), dir.filePath("missing"),
                                file + "/x", QString(), file + QChar(0) + "tail"})
        EXPECT_FALSE(FileExists(path)) << path.toStdString();
}

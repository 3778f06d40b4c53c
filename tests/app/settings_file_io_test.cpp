#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

TEST(SettingsFileDisk, WrittenFileReadsBackAndMissingFileChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tamro.ini");
    AppSettings untouched;
    EXPECT_FALSE(readSettingsFile(path, untouched));
    EXPECT_FALSE(readSettingsFile(dir.path(), untouched));
    EXPECT_EQ(untouched, AppSettings());

    AppSettings written;
    written.Paths[2] = "/include, with comma";
    written.EditorFont = {"Mono", 9.75, true, true}; // bold and italic are not stored
    written.LineNumbers = false;
    ASSERT_TRUE(writeSettingsFile(path, written));
    EXPECT_EQ(readBytes(path), formatSettingsFile(written));
    AppSettings read;
    ASSERT_TRUE(readSettingsFile(path, read));
    EXPECT_EQ(read.Paths, written.Paths);
    EXPECT_EQ(read.EditorFont, (EditorFontSetting{"Mono", 9.75, false, false}));
    EXPECT_FALSE(read.LineNumbers);
}

// As root, permissions stop nothing: failures come from the shape of the path.
TEST(SettingsFileDisk, UnwritablePlacesFailAndLeaveWhatWasThere) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath("file"), folder = dir.filePath("tamro.ini");
    writeBytes(blocker, "keep");
    ASSERT_TRUE(QDir().mkdir(folder));
    writeBytes(folder + "/inside", "keep");
    for (const QString &path : {dir.filePath("missing/tamro.ini"), blocker + "/tamro.ini", folder})
        EXPECT_FALSE(writeSettingsFile(path, AppSettings())) << path.toStdString();
    EXPECT_EQ(readBytes(blocker), "keep");
    EXPECT_EQ(readBytes(folder + "/inside"), "keep");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"file", "tamro.ini"})); // no temporary file left behind
}

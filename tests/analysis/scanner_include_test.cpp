#include "analysis/source_scanner.h"
#include "scan_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Only regular files under the cap are read; everything else is a missing header, without a
// word from Qt (a device or a FIFO would never end or never start).
TEST(ScannerInclude, FromDiskCleanedDecodedAndMissingWhenNoFileOrTooLarge) {
    QTemporaryDir dir;
    QFile old(dir.filePath("old.oph"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    // NULs vanish; 0x0E, blank, ")" and 0xA9 break lines; 0xE9 is e acute.
    const char bytes[] = "CONST A=1\x0E )CONST B\0=2\xA9"
                         "CONST C\xE9=3\r\nCONST D=4\x0E\0 )CONST E=5";
    old.write(bytes, sizeof bytes - 1);
    old.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.oph"));
    QFile huge(dir.filePath("huge.oph"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(IncludeFile::kMaxBytes + 1));
    huge.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.oph")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.oph")));

    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { warnings << text; });
    const QStringList missing = {"Old.oph",  "folder.oph", "huge.oph",
                                 "fifo.oph", "zero.oph",   QString("old.oph") + QChar(0) + "x"};
    QStringList source = {"INCLUDE \"old.oph\""};
    for (const QString &name : missing)
        source << "INCLUDE \"" + name + '"';
    const ScanResult result = scanSource(source, testVocabulary(), dir.path());
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, QStringList());
    EXPECT_EQ(result.constants, QStringList({"sampleconst", "A", "B", "C\u00e9", "D", "E"}));
    ASSERT_EQ(result.reports.size(), missing.size());
    for (int i = 0; i < missing.size(); ++i) {
        EXPECT_EQ(result.reports[i].kind, ScanReport::Kind::MissingInclude) << i;
        EXPECT_EQ(result.reports[i].message,
                  dir.filePath(missing[i]) + "\r\nFile not found!"); // case-sensitive
    }
}

} // namespace

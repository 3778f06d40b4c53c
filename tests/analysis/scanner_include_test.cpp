#include "analysis/source_scanner.h"
#include "scan_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

ScanResult scanWith(FakeIncludes &includes, const char *source, const QString &folder = "/inc") {
    return scanSource(docLines(source) << QString(), testVocabulary(), folder, std::ref(includes));
}

TEST(ScannerInclude, HeaderGivesConstantsAndOpxFunctionsOnly) {
    FakeIncludes includes;
    includes.files["/inc/sys.oph"] = "CONST KOne&=1 REM CONST KTwo&=2\r\nGLOBAL g%\r\nPROC p:\r\n"
                                     "lbl::\r\nINCLUDE \"more.oph\"\r\nDECLARE OPX Sys,1,2\r\n"
                                     "  SysBeep&:(freq&, dur&) : 1\r\nEND DECLARE\r\nafter:(x)";
    const ScanResult result = scanWith(includes, "PROC main:(a)\nINCLUDE \"sys.oph\"\nLOCAL l");
    EXPECT_EQ(includes.requested, QStringList{"/inc/sys.oph"});
    // The included function restarts the child numbers and owns the children that follow.
    EXPECT_EQ(symbolNodes(result),
              "F1=main: F1_1=a C1=KOne& F2=SysBeep&: F2_1=freq& F2_2=dur& F2_3=l");
    EXPECT_EQ(result.lstProc, QStringList({"main:", "KOne&", "SysBeep&:"}));
    EXPECT_EQ(result.completions.mid(1),
              QList<CompletionEntry>(
                  {{"KOne&", "", 23, "OPX INCLUDED CONST KOne&"},
                   {"SysBeep&:", "(freq&,dur&)", 9, "OPX INCLUDED function SysBeep&:"}}));
}

TEST(ScannerInclude, RestOfTheLineIsPartOfThePathAndNotScanned) {
    FakeIncludes includes;
    const ScanResult result = scanWith(includes, "\nGLOBAL g% : INCLUDE \"x.oph\" : PROC p:", "");
    EXPECT_EQ(symbolNodes(result), "V1=g%");
    const QString path = "/x.oph : PROC p:";
    EXPECT_EQ(result.reports, QList<ScanReport>({{ScanReport::Kind::MissingInclude, 1, path,
                                                  path + "\r\nFile not found!"}}));
}

TEST(ScannerInclude, SecondInclusionReportsEveryNameWithoutALine) {
    FakeIncludes includes;
    includes.files["/inc/a.oph"] = "CONST K%=1\nDECLARE OPX x\nf:(p)\nEND DECLARE";
    const ScanResult result = scanWith(includes, "INCLUDE \"a.oph\"\nINCLUDE \"a.oph\"");
    EXPECT_EQ(symbolNodes(result), "C1=K% F1=f: F1_1=p");
    const auto kind = ScanReport::Kind::IncludedDuplicateName;
    EXPECT_EQ(result.reports, QList<ScanReport>({{kind, 1, "K%", "Name K% allready reserved!"},
                                                 {kind, 1, "f:", "Name f: allready reserved!"}}));
}

TEST(ScannerInclude, DeclareBlockLeftOpenReachesTheDocument) {
    FakeIncludes includes;
    includes.files["/inc/open.oph"] = "DECLARE OPX x,1,2\nf:";
    const ScanResult result = scanWith(includes, "INCLUDE \"open.oph\"\ng:(a)\nEND DECLARE\nh:");
    EXPECT_EQ(symbolNodes(result), "F1=f: F2=g: F2_1=a");
    EXPECT_EQ(result.completions.last().description, "OPX DECLARED function g:");
}

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

#include "analysis/source_scanner.h"
#include "scan_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ScanResult scanWith(FakeIncludes &includes, const char *source, const QString &folder = "/inc") {
    return scanSource(docLines(source) << QString(), testVocabulary(), folder, std::ref(includes));
}

TEST(ScannerInclude, HeaderGivesConstantsAndOpxFunctionsOnly) {
    FakeIncludes includes;
    includes.files["/inc/sys.oph"] = "CONST KOne&=1 REM CONST KTwo&=2\r\n"
                                     "GLOBAL g%\r\nPROC p:\r\nlbl::\r\nINCLUDE \"more.oph\"\r\n"
                                     "DECLARE OPX Sys,1,2\r\n  SysBeep&:(freq&, dur&) : 1\r\n"
                                     "END DECLARE\r\nafter:(x)";
    const ScanResult result = scanWith(includes, "PROC main:(a)\nINCLUDE \"sys.oph\"\nLOCAL l");
    EXPECT_EQ(includes.requested, QStringList{"/inc/sys.oph"});
    // The included function restarts the child numbers and owns the children that follow.
    EXPECT_EQ(symbolNodes(result), "F1=main: F1_1=a C1=KOne& F2=SysBeep&: F2_1=freq& F2_2=dur& "
                                   "F2_3=l");
    EXPECT_EQ(result.lstProc, QStringList({"main:", "KOne&", "SysBeep&:"}));
    EXPECT_EQ(result.constants, QStringList({"sampleconst", "KOne&"}));
    EXPECT_EQ(result.completions.mid(1),
              QList<CompletionEntry>(
                  {{"KOne&", "", 23, "OPX INCLUDED CONST KOne&"},
                   {"SysBeep&:", "(freq&,dur&)", 9, "OPX INCLUDED function SysBeep&:"}}));
}

TEST(ScannerInclude, RestOfTheLineIsPartOfThePathAndNotScanned) {
    FakeIncludes includes;
    const ScanResult result =
        scanWith(includes, "PRINT 1\nGLOBAL g% : INCLUDE \"x.oph\" : PROC p:", QString());
    EXPECT_EQ(includes.requested, QStringList{"/x.oph : PROC p:"});
    EXPECT_EQ(symbolNodes(result), "V1=g%");
    ASSERT_EQ(result.reports.size(), 1);
    const ScanReport &report = result.reports[0];
    EXPECT_EQ(report.kind, ScanReport::Kind::MissingInclude);
    EXPECT_EQ(report.line, 1);
    EXPECT_EQ(report.subject, "/x.oph : PROC p:");
    EXPECT_EQ(report.message, "/x.oph : PROC p:\r\nFile not found!");
}

TEST(ScannerInclude, SecondInclusionReportsEveryNameWithoutALine) {
    FakeIncludes includes;
    includes.files["/inc/a.oph"] = "CONST K%=1\nDECLARE OPX x\nf:(p)\nEND DECLARE";
    const ScanResult result = scanWith(includes, "INCLUDE \"a.oph\"\nINCLUDE \"a.oph\"");
    EXPECT_EQ(symbolNodes(result), "C1=K% F1=f: F1_1=p");
    ASSERT_EQ(result.reports.size(), 2);
    for (const ScanReport &report : result.reports)
        EXPECT_EQ(report.kind, ScanReport::Kind::IncludedDuplicateName);
    EXPECT_EQ(result.reports[0].message, "Name K% allready reserved!");
    EXPECT_EQ(result.reports[1].message, "Name f: allready reserved!");
}

TEST(ScannerInclude, DeclareBlockLeftOpenReachesTheDocument) {
    FakeIncludes includes;
    includes.files["/inc/open.oph"] = "DECLARE OPX x,1,2\nf:";
    const ScanResult result = scanWith(includes, "INCLUDE \"open.oph\"\ng:(a)\nEND DECLARE\nh:");
    EXPECT_EQ(symbolNodes(result), "F1=f: F2=g: F2_1=a");
    EXPECT_EQ(result.completions.last().description, "OPX DECLARED function g:");
}

class IncludeFromDisk : public testing::Test {
protected:
    QTemporaryDir dir;
    void write(const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    ScanResult scanLine(const QString &line) {
        return scanSource({line, QString()}, testVocabulary(), dir.path());
    }
};

TEST_F(IncludeFromDisk, OldHeaderBytesAreCleanedAndDecodedAsWindows1252) {
    // NULs vanish; 0x0E, blank, ")" and 0xA9 break lines; 0xE9 is e acute.
    const char bytes[] = "CONST A=1\x0E )CONST B\0=2\xA9"
                         "CONST C\xE9=3\r\n"
                         "CONST D=4\x0E\0 )CONST E=5";
    write("old.oph", QByteArray(bytes, sizeof bytes - 1));
    const ScanResult result = scanLine("INCLUDE \"old.oph\"");
    EXPECT_EQ(result.constants, QStringList({"sampleconst", "A", "B", "C\u00e9", "D", "E"}));
}

TEST_F(IncludeFromDisk, FoldersAndOversizedFilesAreReportedAndTheScanGoesOn) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.oph"));
    QFile huge(dir.filePath("huge.oph"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(IncludeFile::kMaxBytes + 1)); // sparse: costs no disk space
    huge.close();
    const ScanResult result =
        scanSource({"INCLUDE \"folder.oph\"", "INCLUDE \"huge.oph\"", "GLOBAL g%"},
                   testVocabulary(), dir.path());
    ASSERT_EQ(result.reports.size(), 2);
    EXPECT_EQ(result.reports[0].kind, ScanReport::Kind::MissingInclude);
    EXPECT_EQ(result.reports[0].message, dir.filePath("folder.oph") + "\r\nFile not found!");
    EXPECT_EQ(result.reports[1].kind, ScanReport::Kind::UnreadableInclude);
    EXPECT_EQ(result.reports[1].message,
              dir.filePath("huge.oph") + "\r\nThe file is larger than 256 MB.");
    EXPECT_EQ(symbolNodes(result), "V1=g%");
}

TEST_F(IncludeFromDisk, LookupIsCaseSensitive) {
    write("Sys.oph", "CONST K=1");
    EXPECT_EQ(scanLine("INCLUDE \"Sys.oph\"").constants.size(), 2);
    EXPECT_EQ(scanLine("INCLUDE \"sys.oph\"").reports.size(), 1);
}

} // namespace

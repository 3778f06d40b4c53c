#include "analysis/source_scanner.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

namespace {

struct ScanCase {
    const char *source;
    const char *symbols;      // symbolNodes() of the result
    const char *reports = ""; // "name@line ..." of the duplicate reports
};

void PrintTo(const ScanCase &c, std::ostream *os) {
    *os << c.source;
}

ScanResult scan(const char *source) {
    // A trailing empty line keeps one-line cases above the two-line minimum.
    return scanSource(docLines(source) << QString(), testVocabulary(), QStringLiteral("/inc"),
                      FakeIncludes(), QStringLiteral("Document 1"));
}

QString reportList(const ScanResult &result) {
    QStringList parts;
    for (const ScanReport &report : result.reports)
        parts << report.subject + u'@' + QString::number(report.line);
    return parts.join(u' ');
}

class Recognisers : public testing::TestWithParam<ScanCase> {};

TEST_P(Recognisers, DeclareWhatTheLinesSay) {
    const ScanResult result = scan(GetParam().source);
    EXPECT_EQ(symbolNodes(result), QString::fromUtf8(GetParam().symbols));
    EXPECT_EQ(reportList(result), QString::fromUtf8(GetParam().reports));
}

INSTANTIATE_TEST_SUITE_P(Comment, Recognisers,
                         testing::Values(ScanCase{"GLOBAL a% REM GLOBAL b%", "V1=a%"},
                                         ScanCase{"REM GLOBAL a%", ""},
                                         ScanCase{"x=THEOREM y : GLOBAL a%", ""},
                                         ScanCase{"GLOBAL a%:rem GLOBAL b%", "V1=a%"}));

INSTANTIATE_TEST_SUITE_P(
    Globals, Recognisers,
    testing::Values(ScanCase{"GLOBAL a%, b$(20), c%(2,3)", "V1=a% V2=b$ V3=c%"},
                    ScanCase{"global x% : PRINT x%", "V1=x%"},
                    ScanCase{"GLOBAL x%,,y%,", "V1=x% V2=y%"}, ScanCase{"GLOBAL (5), ,z", "V1=z"},
                    ScanCase{"GLOBAL ,,", ""}, ScanCase{"GLOBAL\ta%", ""},
                    ScanCase{"GLOBAL a%,\tb%", "V1=a% V2=\tb%"}));

INSTANTIATE_TEST_SUITE_P(Constants, Recognisers,
                         testing::Values(ScanCase{"CONST KMax%=10", "C1=KMax%"},
                                         ScanCase{"CONST KMax%", ""}, ScanCase{"CONST =7", ""},
                                         ScanCase{"const K a = 1 = 2", "C1=Ka"}));

INSTANTIATE_TEST_SUITE_P(
    LocalsAndFiles, Recognisers,
    testing::Values(ScanCase{"PROC p:\nLOCAL i%, buf$(10), m%(2,3)",
                             "F1=p: F1_1=i% F1_2=buf$ F1_3=m%"},
                    ScanCase{"PROC p:\nOPEN \"data\",A,f1%,f2$\nOPENR \"d\",B,x\nCREATE \"d\",C,x",
                             "F1=p: F1_1=A F1_2=B F1_3=C"},
                    ScanCase{"PROC p:\nOPEN \"d\",A\nOPEN \"f\",,x%", "F1=p:"},
                    ScanCase{"PROC p:\nUSE B\nUSE BB\nPAUSE 5", "F1=p: F1_1=B F1_2=5"}));

INSTANTIATE_TEST_SUITE_P(
    EndOfProcedure, Recognisers,
    testing::Values(
        ScanCase{"PROC a:\nLOCAL x\nENDP\nPROC b:\nLOCAL y", "F1=a: F1_1=x F2=b: F2_1=y"},
        ScanCase{"PROC a:\nLOCAL x\n\tENDP\nPROC b:\nLOCAL y", "F1=a: F1_1=x F2=b: F2_2=y"},
        ScanCase{"PROC a:\nLOCAL x\nENDP REM done\nPROC b:\nLOCAL y", "F1=a: F1_1=x F2=b: F2_2=y"},
        // After a plain ENDP the numbers restart; a key already taken gets no node.
        ScanCase{"PROC a:\nLOCAL x\nendp\nLOCAL y\nLOCAL z", "F1=a: F1_1=x"},
        ScanCase{"PROC a:(p)\nendp\nENDP\nLOCAL y,z", "F1=a: F1_1=p"}));

INSTANTIATE_TEST_SUITE_P(
    Procedures, Recognisers,
    testing::Values(ScanCase{"PROC calc%:(a%, b$)", "F1=calc%: F1_1=a% F1_2=b$"},
                    ScanCase{"PROC main:", "F1=main:"}, ScanCase{"PROC p", "F1=p:"},
                    ScanCase{"PROC \nPROC :x", ""}, ScanCase{"PROC a:()", "F1=a:"},
                    ScanCase{"PROC a:(x,,y)", "F1=a: F1_1=x F1_2=y"},
                    // PROC does not restart the numbers of the children.
                    ScanCase{"PROC a:(x)\nPROC b:(y)", "F1=a: F1_1=x F2=b: F2_2=y"}));

INSTANTIATE_TEST_SUITE_P(
    OpxDeclarations, Recognisers,
    testing::Values(
        ScanCase{"f0:\nDECLARE OPX x,1,2\n f1:(a)\nEND DECLARE\n f2:(b)", "F1=f1: F1_1=a"},
        ScanCase{"DECLARE OPX x\n\tf\t1 : (a, b)", "F1=f1: F1_1=a F1_2=b"},
        ScanCase{"PROC p:(q)\nDECLARE OPX x\nf:(a)\nEND DECLARE\nLOCAL l",
                 "F1=p: F1_1=q F2=f: F2_1=a F2_2=l"},
        // A block never closed makes every later line with ":" a function, PROC lines too.
        ScanCase{"DECLARE OPX x\nPROC main:\nGLOBAL g%", "F1=main: F2=PROCmain: V1=g%"}));

INSTANTIATE_TEST_SUITE_P(Labels, Recognisers,
                         testing::Values(ScanCase{"loop::\n  loop ::", "L1=loop:: L2=loop::"},
                                         ScanCase{"ONERR errh::\nGOTO loop::\n go to x::", ""},
                                         ScanCase{"a:: b::", "L1=a::"}));

// Names are checked against the vocabulary and lstProc ignoring case; children whose
// procedure is missing or rejected get no node, but are still checked.
INSTANTIATE_TEST_SUITE_P(
    NameRules, Recognisers,
    testing::Values(
        ScanCase{"global x% : PRINT x%\nGLOBAL x%", "V1=x%", "x%@1"},
        ScanCase{"GLOBAL n%\nCONST N%=1", "V1=n%", "N%@1"},
        ScanCase{"GLOBAL calc\nPROC calc:", "V1=calc F1=calc:"},
        ScanCase{"GLOBAL print, beep", "", "print@0 beep@0"},
        ScanCase{"GLOBAL n%\nPROC p:\nLOCAL n%, i%", "V1=n% F1=p: F1_1=i%", "n%@2"},
        ScanCase{"PROC a:\nLOCAL i%\nENDP\nPROC b:\nLOCAL i%", "F1=a: F1_1=i% F2=b: F2_1=i%"},
        ScanCase{"LOCAL i%, print\nPROC a:", "F1=a:", "print@0"},
        ScanCase{"PROC a:\nPROC A:(p)\nLOCAL x, print\nOPEN \"f\",B,c\nENDP\nLOCAL y\nPROC b:\n"
                 "LOCAL z",
                 "F1=a: F2=b: F2_1=z", "A:@1 print@2"},
        // A rejected OPX function keeps the child numbers but takes the children's owner away.
        ScanCase{"DECLARE OPX x\nf:(a)\nEND DECLARE\nPROC p:(q)\nDECLARE OPX y\nf:(b)\n"
                 "END DECLARE\nLOCAL l",
                 "F1=f: F1_1=a F2=p: F2_2=q", "f:@5"}));

TEST(SourceScanner, ReportsCarryTheMessageText) {
    const ScanResult result = scan("global x% : PRINT x%\nGLOBAL x%");
    ASSERT_EQ(result.reports.size(), 1);
    EXPECT_EQ(result.reports[0].kind, ScanReport::Kind::DuplicateName);
    EXPECT_EQ(result.reports[0].message, "Name x% allready reserved!");
}

TEST(SourceScanner, GlobalsGiveArrayBoundsAndDescriptions) {
    const ScanResult result = scan("GLOBAL a%, b$(20), c%(2,3), d(");
    const QList<CompletionEntry> entries = {
        {"a%", "", 23, "User variable a%"},
        {"b$", "(0 ... 20)", 23, "User array b$"},
        {"c%", "(0 ... 2)", 23, "User array c%"},
        {"d", "(0 ... )", 23, "User array d"},
    };
    EXPECT_EQ(result.completions, entries);
    EXPECT_EQ(result.variables, QStringList({"a%", "b$", "c%", "d"}));
    EXPECT_EQ(result.lstProc, QStringList({"a%", "b$", "c%", "d"}));
}

TEST(SourceScanner, ProcedureKeepsItsParameterTextAsWritten) {
    const ScanResult result = scan("PROC calc%:(a%, b$)");
    EXPECT_EQ(result.completions,
              QList<CompletionEntry>({{"calc%:", "(a%,b$)", 9, "User function calc%:"}}));
    EXPECT_EQ(result.functions, QStringList({"samplefunc", "calc%:"}));
}

TEST(SourceScanner, TopLevelNodesAndPlaceholdersFollowTheWholeText) {
    // "GLOBAL " anywhere, even in a comment, makes the group and empties the placeholder.
    const ScanResult commented = scan("REM GLOBAL x%\nREM a::b");
    EXPECT_EQ(topLevelKeys(commented), "ALVCF");
    EXPECT_TRUE(commented.variables.isEmpty());
    EXPECT_TRUE(commented.labels.isEmpty());

    const ScanResult plain = scan("PRINT 1");
    EXPECT_EQ(topLevelKeys(plain), "ACF");
    EXPECT_EQ(plain.variables, QStringList{"samplevar"});
    EXPECT_EQ(plain.labels, QStringList{"samplelabel"});
}

TEST(SourceScanner, LabelOnAQuotedLineMakesItsGroupLate) {
    const ScanResult result = scan("PROC p:\nlbl:: PRINT \"x\"");
    EXPECT_EQ(topLevelKeys(result), "ACFL");
    EXPECT_EQ(result.nodes.last(), (NavigatorNode{"L1", "L", "lbl::"}));
    EXPECT_EQ(result.labels, QStringList{"lbl::"});
}
} // namespace

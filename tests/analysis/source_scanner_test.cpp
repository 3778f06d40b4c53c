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
    return scanSource(docLines(source) << QString(), testVocabulary(), "/inc", FakeIncludes());
}

class Recognisers : public testing::TestWithParam<ScanCase> {};

TEST_P(Recognisers, DeclareWhatTheLinesSay) {
    const ScanResult result = scan(GetParam().source);
    EXPECT_EQ(symbolNodes(result), QString::fromUtf8(GetParam().symbols));
    QStringList reports;
    for (const ScanReport &report : result.reports)
        reports << report.subject + u'@' + QString::number(report.line);
    EXPECT_EQ(reports.join(u' '), QString::fromUtf8(GetParam().reports));
}

const ScanCase kComments[] = {
    {"GLOBAL a% REM GLOBAL b%", "V1=a%"},
    {"REM GLOBAL a%", ""},
    {"x=THEOREM y : GLOBAL a%", ""},
};
const ScanCase kGlobals[] = {
    {"GLOBAL a%, b$(20), c%(2,3)", "V1=a% V2=b$ V3=c%"},
    {"global x% : PRINT x%", "V1=x%"},
    {"GLOBAL x%,,(5), ,y%,", "V1=x% V2=y%"},
    {"GLOBAL\ta%", ""},
    {"GLOBAL a%,\tb%", "V1=a% V2=\tb%"},
};
const ScanCase kConstants[] = {
    {"CONST KMax%=10", "C1=KMax%"},
    {"CONST KMax%", ""},
    {"CONST =7", ""},
    {"const K a = 1 = 2", "C1=Ka"},
};
const ScanCase kLocalsAndFiles[] = {
    {"PROC p:\nLOCAL i%, buf$(10), m%(2,3)", "F1=p: F1_1=i% F1_2=buf$ F1_3=m%"},
    {"PROC p:\nOPEN \"d\",A,f1%,f2$\nOPENR \"d\",B,x\nCREATE \"d\",C,x",
     "F1=p: F1_1=A F1_2=B F1_3=C"},
    {"PROC p:\nOPEN \"d\",A\nOPEN \"f\",,x%", "F1=p:"},
    {"PROC p:\nUSE B\nUSE BB\nPAUSE 5", "F1=p: F1_1=B F1_2=5"},
};
const ScanCase kEndOfProcedure[] = {
    {"PROC a:\nLOCAL x\nENDP\nPROC b:\nLOCAL y", "F1=a: F1_1=x F2=b: F2_1=y"},
    {"PROC a:\nLOCAL x\n\tENDP\nPROC b:\nLOCAL y", "F1=a: F1_1=x F2=b: F2_2=y"},
    {"PROC a:\nLOCAL x\nENDP REM done\nPROC b:\nLOCAL y", "F1=a: F1_1=x F2=b: F2_2=y"},
    // After a plain ENDP numbers restart; a taken key gets no node and uses up no number.
    {"PROC a:(p)\nendp\nLOCAL y,z", "F1=a: F1_1=p"},
    {"PROC a:(p,q)\nENDP\nLOCAL y,z", "F1=a: F1_1=p F1_2=q"},
};
const ScanCase kProcedures[] = {
    {"PROC calc%:(a%, b$)", "F1=calc%: F1_1=a% F1_2=b$"},
    {"PROC p", "F1=p:"},
    {"PROC \nPROC :x", ""},
    {"PROC a:()\nPROC b:(x,,y)", "F1=a: F2=b: F2_1=x F2_2=y"},
    {"PROC a:(x)\nPROC b:(y)", "F1=a: F1_1=x F2=b: F2_2=y"},
};
const ScanCase kOpxDeclarations[] = {
    {"f0:\nDECLARE OPX x,1,2\n f1:(a)\nEND DECLARE\n f2:(b)", "F1=f1: F1_1=a"},
    {"PROC p:(q)\nDECLARE OPX x\n\tf\t1 : (a, b)\nEND DECLARE\nLOCAL l",
     "F1=p: F1_1=q F2=f1: F2_1=a F2_2=b F2_3=l"},
    // A block never closed makes every later line with ":" a function, PROC lines too.
    {"DECLARE OPX x\nPROC main:\nGLOBAL g%", "F1=main: F2=PROCmain: V1=g%"},
};
const ScanCase kLabels[] = {
    {"loop::\n  loop ::", "L1=loop:: L2=loop::"},
    {"ONERR errh::\nGOTO loop::\n go to x::", ""},
    {"a:: b::", "L1=a::"},
};
// Names are checked against the vocabulary and lstProc ignoring case; children whose
// procedure is missing or was rejected get no node but are still checked.
const ScanCase kNameRules[] = {
    {"global x% : PRINT x%\nGLOBAL x%", "V1=x%", "x%@1"},
    {"GLOBAL n%\nCONST N%=1", "V1=n%", "N%@1"},
    {"GLOBAL calc\nPROC calc:", "V1=calc F1=calc:"},
    {"GLOBAL print, beep", "", "print@0 beep@0"},
    {"GLOBAL n%\nPROC p:\nLOCAL n%, i%", "V1=n% F1=p: F1_1=i%", "n%@2"},
    {"PROC a:\nLOCAL i%\nENDP\nPROC b:\nLOCAL i%", "F1=a: F1_1=i% F2=b: F2_1=i%"},
    {"LOCAL i%, print\nPROC a:", "F1=a:", "print@0"},
    {"PROC a:\nPROC A:(p)\nLOCAL x, print\nOPEN \"f\",B,c\nENDP\nLOCAL y\nPROC b:\nLOCAL z",
     "F1=a: F2=b: F2_1=z", "A:@1 print@2"},
    // A rejected OPX function keeps the child numbers but takes the children's owner away.
    {"DECLARE OPX x\nf:(a)\nEND DECLARE\nPROC p:(q)\nDECLARE OPX y\nf:(b)\nEND DECLARE\nLOCAL l",
     "F1=f: F1_1=a F2=p: F2_2=q", "f:@5"},
};

INSTANTIATE_TEST_SUITE_P(Comment, Recognisers, testing::ValuesIn(kComments));
INSTANTIATE_TEST_SUITE_P(Globals, Recognisers, testing::ValuesIn(kGlobals));
INSTANTIATE_TEST_SUITE_P(Constants, Recognisers, testing::ValuesIn(kConstants));
INSTANTIATE_TEST_SUITE_P(LocalsAndFiles, Recognisers, testing::ValuesIn(kLocalsAndFiles));
INSTANTIATE_TEST_SUITE_P(EndOfProcedure, Recognisers, testing::ValuesIn(kEndOfProcedure));
INSTANTIATE_TEST_SUITE_P(Procedures, Recognisers, testing::ValuesIn(kProcedures));
INSTANTIATE_TEST_SUITE_P(OpxDeclarations, Recognisers, testing::ValuesIn(kOpxDeclarations));
INSTANTIATE_TEST_SUITE_P(Labels, Recognisers, testing::ValuesIn(kLabels));
INSTANTIATE_TEST_SUITE_P(NameRules, Recognisers, testing::ValuesIn(kNameRules));

TEST(SourceScanner, EntriesOfGlobalsAndProceduresAndTheReportText) {
    const ScanResult result = scan("GLOBAL a%, b$(20), c%(2,3), d(\nPROC calc%:(a, b$)\nGLOBAL A%");
    const QList<CompletionEntry> entries = {
        {"a%", "", 23, "User variable a%"},
        {"b$", "(0 ... 20)", 23, "User array b$"},
        {"c%", "(0 ... 2)", 23, "User array c%"},
        {"d", "(0 ... )", 23, "User array d"},
        {"calc%:", "(a,b$)", 9, "User function calc%:"},
    };
    EXPECT_EQ(result.completions, entries);
    ASSERT_EQ(result.reports.size(), 1);
    EXPECT_EQ(result.reports[0].kind, ScanReport::Kind::DuplicateName);
    EXPECT_EQ(result.reports[0].message, "Name A% allready reserved!");
}

TEST(SourceScanner, GroupsAndPlaceholdersFollowTheWholeText) {
    // "GLOBAL " and a label line anywhere, comments included, make their groups.
    const ScanResult commented = scan("REM GLOBAL x%\nREM a::b");
    EXPECT_EQ(topLevelKeys(commented), "ALVCF");
    EXPECT_TRUE(commented.variables.isEmpty() && commented.labels.isEmpty());
    const ScanResult plain = scan("PRINT 1");
    EXPECT_EQ(topLevelKeys(plain), "ACF");
    EXPECT_EQ(plain.variables + plain.labels, QStringList({"samplevar", "samplelabel"}));
    // A label the pre-pass passed over (a quote after it) makes its group late.
    const ScanResult late = scan("PROC p:\nlbl:: PRINT \"x\"");
    EXPECT_EQ(topLevelKeys(late), "ACFL");
    EXPECT_EQ(late.nodes.last(), (NavigatorNode{"L1", "L", "lbl::"}));
    EXPECT_EQ(late.labels, QStringList{"lbl::"});
}

} // namespace

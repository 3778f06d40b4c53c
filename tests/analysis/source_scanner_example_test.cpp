#include "analysis/source_scanner.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

// An OPX declaration, a procedure with globals, a local, a constant, a logical file and a
// label, and a GOTO that must not count as a label.
TEST(SourceScannerExample, NodeForNodeListForListEntryForEntry) {
    const QStringList lines = docLines("DECLARE OPX Sys,&10000001,1\n"
                                       "  SysBeep&:(freq&, dur&) : 1\n"
                                       "END DECLARE\n"
                                       "PROC main:\n"
                                       "  GLOBAL count%, names$(10)\n"
                                       "  LOCAL i%\n"
                                       "  CONST KMax%=5\n"
                                       "  OPEN \"data\",A,f1%\n"
                                       "loop::\n"
                                       "  count%=count%+1\n"
                                       "  IF count%<KMax% : GOTO loop:: : ENDIF\n"
                                       "ENDP");
    const ScanResult result =
        scanSource(lines, testVocabulary(), "/inc", FakeIncludes(), "/home/u/demo.opl");
    const QList<NavigatorNode> nodes = {
        {"A", "", "Project -> /home/u/demo.opl"},
        {"L", "", "Labels"},
        {"V", "", "Global Variables"},
        {"C", "", "Constants"},
        {"F", "", "Procedures"},
        {"F1", "F", "SysBeep&:"},
        {"F1_1", "F1", "freq&"},
        {"F1_2", "F1", "dur&"},
        {"F2", "F", "main:"},
        {"V1", "V", "count%"},
        {"V2", "V", "names$"},
        {"F2_3", "F2", "i%"},
        {"C1", "C", "KMax%"},
        {"F2_4", "F2", "A"},
        {"L1", "L", "loop::"},
    };
    EXPECT_TRUE(result.rebuilt);
    EXPECT_EQ(result.nodes, nodes);
    EXPECT_EQ(result.lstProc, QStringList({"SysBeep&:", "main:", "count%", "names$", "KMax%"}));
    EXPECT_EQ(result.variables, QStringList({"count%", "names$"}));
    EXPECT_EQ(result.labels, QStringList({"loop::"}));
    EXPECT_EQ(result.constants, QStringList({"sampleconst", "KMax%"}));
    EXPECT_EQ(result.functions, QStringList({"samplefunc", "SysBeep&:", "main:"}));
    const QList<CompletionEntry> entries = {
        {"SysBeep&:", "(freq&,dur&)", 9, "OPX DECLARED function SysBeep&:"},
        {"main:", "", 9, "User function main:"},
        {"count%", "", 23, "User variable count%"},
        {"names$", "(0 ... 10)", 23, "User array names$"},
        {"KMax%", "", 23, "Constants KMax%"},
        {"loop::", "", 12, "Label loop::"},
    };
    EXPECT_EQ(result.completions, entries);
    EXPECT_TRUE(result.reports.isEmpty());
}

TEST(SourceScannerExample, FewerThanTwoLinesChangeNothing) {
    EXPECT_EQ(scanSource({"GLOBAL a%"}, testVocabulary(), {}), ScanResult{});
    const ScanResult empty = scanSource({"", ""}, testVocabulary(), {}, {}, "Document 1");
    EXPECT_EQ(topLevelKeys(empty), "ACF");
    EXPECT_EQ(empty.nodes.first().text, "Project -> Document 1");
    EXPECT_EQ(empty.variables + empty.labels + empty.constants + empty.functions,
              QStringList({"samplevar", "samplelabel", "sampleconst", "samplefunc"}));
}

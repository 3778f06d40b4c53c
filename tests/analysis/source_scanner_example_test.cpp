#include "analysis/source_scanner.h"
#include "common/golden_file.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

// Every part of a scan result, one item a line.
QString printed(const ScanResult &r) {
    QStringList out{r.rebuilt ? "rebuilt" : "kept"};
    for (const NavigatorNode &n : r.nodes)
        out << "node " + n.key + " in '" + n.parentKey + "': " + n.text;
    out << "lstProc: " + r.lstProc.join(' ') << "variables: " + r.variables.join(' ')
        << "labels: " + r.labels.join(' ') << "constants: " + r.constants.join(' ')
        << "functions: " + r.functions.join(' ');
    for (const CompletionEntry &e : r.completions)
        out << QString("entry %1 %2 icon %3: %4")
                   .arg(e.name, e.params)
                   .arg(e.icon)
                   .arg(e.description);
    for (const ScanReport &report : r.reports)
        out << "report: " + report.message;
    return out.join('\n') + '\n';
}

// An OPX declaration, a procedure with globals, a local, a constant, a logical file and a
// label, and a GOTO that must not count as a label.
TEST(SourceScannerExample, NodeForNodeListForListEntryForEntry) {
    QFile source(testDataDir() + "/analysis/scan_example.opl");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(source.readAll()).split('\n');
    expectGolden(
        printed(scanSource(lines, testVocabulary(), "/inc", FakeIncludes(), "/home/u/demo.opl")),
        "analysis/scan_example.txt");
}

TEST(SourceScannerExample, FewerThanTwoLinesChangeNothing) {
    EXPECT_EQ(scanSource({"GLOBAL a%"}, testVocabulary(), {}), ScanResult{});
    const ScanResult empty = scanSource({"", ""}, testVocabulary(), {}, {}, "Document 1");
    EXPECT_EQ(topLevelKeys(empty), "ACF");
    EXPECT_EQ(empty.nodes.first().text, "Project -> Document 1");
    EXPECT_EQ(empty.variables + empty.labels + empty.constants + empty.functions,
              QStringList({"samplevar", "samplelabel", "sampleconst", "samplefunc"}));
}

#include "analysis/source_scanner.h"
#include "common/case_file.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

namespace {

ScanResult scan(const QString &source) {
    // A trailing empty line keeps one-line cases above the two-line minimum.
    return scanSource(source.split(u'\n') << QString(), testVocabulary(), "/inc", FakeIncludes());
}

// Each case: source => the nodes below the top level => the duplicate reports, name@line.
TEST(SourceScanner, RecognisersDeclareWhatTheLinesSay) {
    for (const CaseLine &c : readCases("analysis/scan_recognisers.txt", 3)) {
        SCOPED_TRACE(c.line);
        const ScanResult result = scan(c.text(0));
        EXPECT_EQ(symbolNodes(result), c.text(1));
        QStringList reports;
        for (const ScanReport &report : result.reports)
            reports << report.subject + u'@' + QString::number(report.line);
        EXPECT_EQ(reports.join(u' '), c.text(2));
    }
}

TEST(SourceScanner, EntriesOfGlobalsAndProceduresAndTheReportText) {
    const ScanResult result =
        scan(QStringLiteral("GLOBAL a%, b$(20), c%(2,3), d(\nPROC calc%:(a, b$)\nGLOBAL A%"));
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

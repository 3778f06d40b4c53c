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

} // namespace

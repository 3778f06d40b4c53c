#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"
#include "common/case_file.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

namespace {

// Scans the document first, as the window does, then searches with what the scan left.
UndefinedSearchResult search(const QStringList &lines) {
    const ScanResult scan = scanSource(lines, testVocabulary(), {});
    return findUndefined(lines, testVocabulary(), scan.lstProc, scan.nodes);
}

// Each case: source => the undefined words found, word@line.
TEST(UndefinedSearch, WordsAreFoundOncePerOccurrence) {
    for (const CaseLine &c : readCases("analysis/undefined_words.txt", 2)) {
        SCOPED_TRACE(c.line);
        QStringList found;
        for (const UndefinedFinding &finding : search(c.text(0).split(u'\n')).findings)
            found << finding.word + u'@' + QString::number(finding.line);
        EXPECT_EQ(found.join(u' '), c.text(1));
    }
}

// The search sees only what the last scan left: a name declared since is still unknown.
TEST(UndefinedSearch, UsesTheNamesItIsGiven) {
    const QStringList lines = {"GLOBAL g%", "PRINT g%"};
    EXPECT_EQ(findUndefined(lines, testVocabulary(), {}, {}).findings.size(), 2);
    EXPECT_TRUE(findUndefined(lines, testVocabulary(), {"G%"}, {}).findings.isEmpty());
}

} // namespace

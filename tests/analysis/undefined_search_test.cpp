#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

namespace {

// Scans the document first, as the window does, then searches with what the scan left.
UndefinedSearchResult search(const QStringList &lines) {
    const ScanResult scan = scanSource(lines, testVocabulary(), {});
    return findUndefined(lines, testVocabulary(), scan.lstProc, scan.nodes);
}

struct SearchCase {
    const char *source;
    const char *findings; // "word@line ..."
};

void PrintTo(const SearchCase &c, std::ostream *os) {
    *os << c.source;
}

class UndefinedWords : public testing::TestWithParam<SearchCase> {};

TEST_P(UndefinedWords, AreFoundOncePerOccurrence) {
    QStringList found;
    for (const UndefinedFinding &finding : search(docLines(GetParam().source)).findings)
        found << finding.word + u'@' + QString::number(finding.line);
    EXPECT_EQ(found.join(u' '), QString::fromUtf8(GetParam().findings));
}

const SearchCase kComments[] = {
    // "rem" inside the name cuts the line: only LOCAL and p are left.
    {"PROC main:\nLOCAL premium%\nENDP", "p@1"},
    {"PROC a:\nPRINT u REM v\nENDP", "u@1"},
    {"PROC a:\nPRINT theorem\nENDP", "theo@1"},
};
const SearchCase kStrings[] = {
    {"PROC main:\nLOCAL x%\nPRINT \"hello world\", x%\nENDP", ""},
    {"PROC main:\nLOCAL x%\nPRINT x% \"abc y%\nENDP", ""},
    // What stands either side of a string joins into one word.
    {"PROC a:\nPRINT b\"x\"c, \"\"d\nENDP", "bc@1 d@1"},
};
const SearchCase kWords[] = {
    {"PROC a:\nx%=10+$FF+&H1+1.5E3\nENDP", "x%@1"},
    {"PROC a:\nPRINT u, u;v\tw~z\nENDP", "u@1 u@1 v@1 w@1 z@1"},
    {"PROC a:\nPRINT _x, @y, #z, [q]\nENDP", "_x@1 q@1"},
    {"PROC a:\nGOTO lbl::\nlbl::\na:\nENDP", ""},
};
const SearchCase kScope[] = {
    {"PROC a:\nLOCAL i%\n ENDP\nPRINT i%", ""},
    {"PROC a:\nLOCAL i%\nENDP\nPRINT i%", "i%@3"},
    {"PROC a:\nLOCAL i%\nENDP\nPROC b:\nPRINT i%\nENDP", "i%@4"},
    // A blank before the ":" leaves a bare word behind on the PROC line.
    {"PROC a:\nLOCAL i%\n ENDP\nPROC  b :(i%)\nPRINT i%\nENDP", "b@3"},
    {"PROC a:(p)\nPRINT p\nPRINT a\nENDP", "a@2"},
    // The vocabulary and lstProc count in any case, names only in the tree in their own.
    {"GLOBAL cnt%\nPROC a:\nLOCAL loc%\nPRINT CNT%, print, BEEP, LOC%, A:\nENDP", "LOC%@3"},
};
INSTANTIATE_TEST_SUITE_P(Comments, UndefinedWords, testing::ValuesIn(kComments));
INSTANTIATE_TEST_SUITE_P(Strings, UndefinedWords, testing::ValuesIn(kStrings));
INSTANTIATE_TEST_SUITE_P(Words, UndefinedWords, testing::ValuesIn(kWords));
INSTANTIATE_TEST_SUITE_P(Scope, UndefinedWords, testing::ValuesIn(kScope));

TEST(UndefinedSearch, MessageTellsWhetherAnythingWasFound) {
    const UndefinedSearchResult empty = search({QString()});
    EXPECT_FALSE(empty.found);
    EXPECT_EQ(empty.message, "Search for undefined externals is complete!");
    const UndefinedSearchResult found = search({"PRINT x", "PRINT 1"});
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.findings, QList<UndefinedFinding>({{0, "x"}}));
    EXPECT_EQ(found.message,
              "Search for undefined externals is complete! Unknown elements was found!\r\n\r\n"
              "1 unknown elements were found.");
}

// The search sees only what the last scan left: a name declared since is still unknown.
TEST(UndefinedSearch, UsesTheNamesItIsGiven) {
    const QStringList lines = {"GLOBAL g%", "PRINT g%"};
    EXPECT_EQ(findUndefined(lines, testVocabulary(), {}, {}).findings.size(), 2);
    EXPECT_TRUE(findUndefined(lines, testVocabulary(), {"G%"}, {}).findings.isEmpty());
}

} // namespace

#include "common/case_file.h"
#include "common/qstring_printer.h"
#include "dialogs/reference_search.h"
#include "dialogs/version_text.h"

#include <gtest/gtest.h>

TEST(ReferenceSearch, TheExactHeadingFirstThenTheFirstThatStartsWithTheText) {
    const QStringList headings{"OPL Command Reference", "GET$", "GET", " PRINT", "PRINT#"};
    for (const CaseLine &c : readCases("dialogs/reference_headings.txt", 3))
        EXPECT_EQ(ReferenceSearch::headingIndex(headings, c.text(0), c.text(1) == "prefix"),
                  c.text(2).toInt())
            << "line " << c.line;
}

TEST(ReferenceSearch, TheWordAtTheCaretWithItsTypeSuffix) {
    for (const CaseLine &c : readCases("dialogs/caret_words.txt", 3))
        EXPECT_EQ(ReferenceSearch::wordAt(c.text(0), c.text(1).toInt()), c.text(2))
            << "line " << c.line;
}

TEST(VersionText, ShowsThreeUnpaddedNumbers) {
    const std::pair<const char *, const char *> cases[] = {
        {"0.1.0", "0.1.0"},   {"1.02.030", "1.2.30"}, {"2", "2.0.0"},
        {"1.2.3.4", "1.2.3"}, {"", "0.0.0"},          {"1.x.3", "1.0.3"},
    };
    for (const auto &[version, expected] : cases)
        EXPECT_EQ(versionText(QString(version)), expected) << version;
}

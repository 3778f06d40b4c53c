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
    for (const CaseLine &c : readCases("dialogs/version_texts.txt", 2))
        EXPECT_EQ(versionText(c.text(0)), c.text(1)) << "line " << c.line;
}

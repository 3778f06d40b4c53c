#include "analysis/command_reference.h"
#include "analysis/vocabulary_table.h"
#include "common/case_file.h"
#include "common/golden_file.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

namespace {

// True when every group closes and no byte needs more than 7 bits, as plain RTF readers want.
::testing::AssertionResult isPlainRtf(const QByteArray &rtf) {
    if (!rtf.startsWith("{\\rtf1"))
        return ::testing::AssertionFailure() << "no {\\rtf1 header";
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (static_cast<unsigned char>(c) >= 0x80)
            return ::testing::AssertionFailure() << "8-bit byte at " << i;
        if (c == '\\') {
            ++i; // an escaped brace or backslash is text
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0 && rtf.indexOf('{', i) >= 0) {
            return ::testing::AssertionFailure() << "text after the document's group at " << i;
        }
        if (depth < 0)
            return ::testing::AssertionFailure() << "unbalanced } at " << i;
    }
    if (depth != 0)
        return ::testing::AssertionFailure() << depth << " groups left open";
    return ::testing::AssertionSuccess();
}

TEST(CommandReference, EscapesRtfSyntaxAndCharactersBeyondAscii) {
    for (const CaseLine &c : readCases("analysis/rtf_escapes.txt", 2))
        EXPECT_EQ(CommandReference::escape(c.text(0)), c.fields[1]) << "line " << c.line;
}

// Forms, description, text and example of each entry, sections in the table's order (by
// name, ignoring case), as tests/data/analysis/command_reference.rtf shows them. The
// vocabulary test reads the same table.
TEST(CommandReference, OneSectionPerEntryWithFormsDescriptionTextAndExample) {
    const auto table = VocabularyTable::load(testDataDir() + "/analysis/vocabulary_sample.txt");
    ASSERT_TRUE(table.ok());
    expectGolden(QString::fromLatin1(CommandReference::toRtf(table)),
                 "analysis/command_reference.rtf");
}

TEST(CommandReference, ShippedTableGivesPlainRtfWithEveryEntry) {
    const auto table = VocabularyTable::load(sourceDataDir() + "/vocabulary.txt");
    ASSERT_TRUE(table.ok());
    const QByteArray rtf = CommandReference::toRtf(table);
    EXPECT_TRUE(isPlainRtf(rtf));
    for (const VocabularyEntry &entry : table.entries())
        EXPECT_TRUE(rtf.contains("\\cf2 " + CommandReference::escape(entry.name) + "\\par}"))
            << entry.name.toStdString();
}

} // namespace

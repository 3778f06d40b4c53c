#include "analysis/command_reference.h"
#include "analysis/vocabulary_table.h"
#include "common/case_file.h"
#include "common/golden_file.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

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
    // Plain RTF readers want one balanced group and no byte beyond 7 bits.
    EXPECT_TRUE(rtf.startsWith("{\\rtf1") && rtf.endsWith("}\n"));
    EXPECT_EQ(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return uchar(c) < 0x80; }));
    for (const VocabularyEntry &entry : table.entries())
        EXPECT_TRUE(rtf.contains("\\cf2 " + CommandReference::escape(entry.name) + "\\par}"))
            << entry.name.toStdString();
}

} // namespace

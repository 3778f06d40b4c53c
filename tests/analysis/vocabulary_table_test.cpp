#include "analysis/completion_list.h"
#include "analysis/document_language.h"
#include "analysis/vocabulary_table.h"
#include "common/case_file.h"
#include "common/golden_file.h"
#include "common/qstring_printer.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

// The sample's paragraphs and examples show in the command reference's golden file; the
// filled list in tests/data/analysis/vocabulary_filled.txt.
TEST(VocabularyTable, ReadsEntriesInOrderAndFillsACompletionListWithThem) {
    const auto table = VocabularyTable::load(testDataDir() + "/analysis/vocabulary_sample.txt");
    ASSERT_TRUE(table.ok()) << table.errors().first().message.toStdString();
    EXPECT_FALSE(VocabularyTable::load(testDataDir() + "/analysis/none.txt").ok());
    CompletionList list;
    table.fill(list);
    QStringList printed;
    for (int i = 0; i < list.count(); ++i)
        printed << QString("%1 %2|%3|%4|%5")
                       .arg(table.entries().value(i).line)
                       .arg(list.entry(i)->name, list.entry(i)->params)
                       .arg(list.entry(i)->icon)
                       .arg(list.entry(i)->description);
    expectGolden(printed.join('\n') + '\n', "analysis/vocabulary_filled.txt");
}

TEST(VocabularyTable, ReportsEachProblemWithItsLineAndKeepsSoundEntries) {
    for (const CaseLine &c : readCases("analysis/bad_vocabulary_entries.txt", 3)) {
        const auto table = VocabularyTable::parse(c.text(0) + "@ GOOD$\nicon: 3\ndesc: Fine.\n");
        SCOPED_TRACE(c.line);
        ASSERT_EQ(table.errors().size(), 1);
        EXPECT_EQ(table.errors()[0].line, c.text(1).toInt());
        EXPECT_TRUE(table.errors()[0].message.contains(c.text(2)))
            << table.errors()[0].message.toStdString();
        EXPECT_EQ(table.entries().constLast().name, "GOOD$");
    }
}

TEST(VocabularyTable, ShippedTableIsCompleteSaneAndNamesTheLanguageKeywords) {
    const auto table = VocabularyTable::load(sourceDataDir() + "/vocabulary.txt");
    for (const VocabularyError &e : table.errors())
        ADD_FAILURE() << "line " << e.line << ": " << e.message.toStdString();
    EXPECT_GE(table.entries().size(), 250);
    DocumentLanguage language;
    ASSERT_TRUE(language.load(sourceDataDir() + "/opl.xml"));
    const QStringList words = language.keywords();
    QSet<QString> keywords(words.begin(), words.end()), names;
    int explained = 0;
    for (const VocabularyEntry &entry : table.entries()) {
        SCOPED_TRACE(entry.name.toStdString());
        EXPECT_TRUE(entry.description.endsWith('.'));
        EXPECT_LE(entry.description.size(), 160) << "a description is one line";
        explained += !entry.paragraphs.isEmpty() && !entry.example.isEmpty();
        names.insert(entry.name);
    }
    EXPECT_GE(explained, 50) << "the most used entries carry a paragraph and an example";
    EXPECT_EQ(keywords.size(), words.size()) << "a keyword is listed twice";
    for (const QString &name : names - keywords)
        ADD_FAILURE() << name.toStdString() << " is missing from the Keywords of opl.xml";
    for (const QString &word : keywords - names)
        ADD_FAILURE() << word.toStdString() << " is a keyword without a table entry";
}

} // namespace

#include "analysis/completion_list.h"
#include "analysis/document_language.h"
#include "analysis/vocabulary_table.h"
#include "common/case_file.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

VocabularyTable realTable() {
    return VocabularyTable::load(sourceDataDir() + "/vocabulary.txt");
}

TEST(VocabularyTable, ReadsFormsParagraphsAndIndentedExamples) {
    const auto table = VocabularyTable::parse(QStringLiteral("# header\n"
                                                             "@ mid$\n"
                                                             "form: (a$,x%,y%)\n"
                                                             "form:   x%  \n"
                                                             "icon: 3\n"
                                                             "desc: Middle part.\n"
                                                             "text: One\r\n"
                                                             "text: paragraph.\n"
                                                             "text:\n"
                                                             "text: Two.\n"
                                                             "example: IF 1\n"
                                                             "example:   PRINT 2\n"
                                                             "\n"
                                                             "@ ABS\n"
                                                             "icon: 3\n"
                                                             "desc: Absolute.\n"));
    ASSERT_TRUE(table.ok()) << table.errors().first().message.toStdString();
    ASSERT_EQ(table.entries().size(), 2);
    EXPECT_EQ(table.entries()[0].name, "ABS"); // sorted ignoring case
    const VocabularyEntry &mid = table.entries()[1];
    EXPECT_EQ(mid.forms, QStringList({"(a$,x%,y%)", "x%"}));
    EXPECT_EQ(mid.params(), "(a$,x%,y%) | x%");
    EXPECT_EQ(mid.paragraphs, QStringList({"One paragraph.", "Two."}));
    EXPECT_EQ(mid.example, QStringList({"IF 1", "  PRINT 2"}));
    EXPECT_EQ(mid.line, 2);
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

TEST(VocabularyTable, MissingFileIsOneError) {
    const auto table = VocabularyTable::load(testDataDir() + "/analysis/no-such-table.txt");
    EXPECT_FALSE(table.ok());
    EXPECT_TRUE(table.entries().isEmpty());
}

TEST(VocabularyTable, ShippedTableIsCompleteAndSane) {
    const auto table = realTable();
    for (const VocabularyError &e : table.errors())
        ADD_FAILURE() << "line " << e.line << ": " << e.message.toStdString();
    EXPECT_GE(table.entries().size(), 250);

    QSet<QString> names;
    int explained = 0;
    for (const VocabularyEntry &entry : table.entries()) {
        SCOPED_TRACE(entry.name.toStdString());
        names.insert(entry.name);
        EXPECT_TRUE(entry.description.endsWith('.'));
        EXPECT_LE(entry.description.size(), 160) << "a description is one line";
        if (!entry.paragraphs.isEmpty() && !entry.example.isEmpty())
            ++explained;
    }
    EXPECT_GE(explained, 50) << "the most used entries carry a paragraph and an example";
    // A few of each group, among them the ones the scanner and the search lean on.
    for (const char *name :
         {"PROC",     "ENDP", "GLOBAL", "LOCAL",      "CONST", "INCLUDE", "DECLARE",
          "EXTERNAL", "OPX",  "END",    "PRINT",      "LEFT$", "gCREATE", "dINIT",
          "mCARD",    "OPEN", "PEEK$",  "DATETOSECS", "ERRX$", "LOC"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
}

TEST(VocabularyTable, ShippedTableAndLanguageKeywordsNameTheSameWords) {
    DocumentLanguage language;
    ASSERT_TRUE(language.load(sourceDataDir() + "/opl.xml"));
    QSet<QString> keywords;
    for (const QString &word : language.keywords())
        keywords.insert(word);
    QSet<QString> names;
    const VocabularyTable table = realTable();
    for (const VocabularyEntry &entry : table.entries())
        names.insert(entry.name);
    EXPECT_EQ(keywords.size(), language.keywords().size()) << "a keyword is listed twice";
    for (const QString &name : names - keywords)
        ADD_FAILURE() << name.toStdString() << " is missing from the Keywords of opl.xml";
    for (const QString &word : keywords - names)
        ADD_FAILURE() << word.toStdString() << " is a keyword without a table entry";
}

TEST(VocabularyTable, FillsACompletionListInTableOrder) {
    const auto table = VocabularyTable::parse(QStringLiteral(
        "@ b\nform: x%,y%\nform: OFF\nicon: 2\ndesc: Bee.\n@ A\nicon: 7\ndesc: Ay.\n"));
    CompletionList list;
    table.fill(list);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(*list.entry(0), (CompletionEntry{"A", "", 7, "Ay."}));
    EXPECT_EQ(*list.entry(1), (CompletionEntry{"b", "x%,y% | OFF", 2, "Bee."}));
}

} // namespace

#include "analysis/document_language.h"
#include "common/case_file.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

namespace {

QByteArray languageXml(const char *categories) {
    return QByteArray("<?xml version=\"1.0\"?>\n<language name=\"OPL\">\n") + categories +
           "\n</language>\n";
}

// Words and colours then change by category name, ignoring case; each change tells the lexer.
TEST(DocumentLanguage, ReadsColoursAsBgrAndWordsSplitAtWhiteSpaceThatChangeByCategory) {
    DocumentLanguage language;
    ASSERT_TRUE(language.loadFromXml(
        languageXml("<category name=\"Keywords\" style=\"5\" color=\"#123456\">\n  PRINT\tCLS\n\n "
                    "GET </category>"
                    "<category name=\"Text\" style=\"0\" color=\"#FFffFF\"/>")));
    EXPECT_EQ(language.colour("keywords"), 0x563412u);
    EXPECT_EQ(language.colour("TEXT"), 0xFFFFFFu);
    EXPECT_EQ(language.category("Keywords")->style, 5);
    EXPECT_EQ(language.keywords(), QStringList({"PRINT", "CLS", "GET"}));
    EXPECT_FALSE(language.colour("Labels").has_value());

    const quint64 loaded = language.revision();
    EXPECT_TRUE(language.clearWords("keywords"));
    EXPECT_TRUE(language.addWord("KEYWORDS", "n%"));
    EXPECT_EQ(language.category("Keywords")->words, QStringList({"n%"}));
    EXPECT_TRUE(language.setColour("text", 0x00FF8000));
    EXPECT_EQ(language.colour("Text"), 0x00FF8000u);
    EXPECT_EQ(language.revision(), loaded + 3);
    EXPECT_FALSE(language.addWord("procedures", "x:"));
    EXPECT_FALSE(language.clearWords("procedures"));
    EXPECT_FALSE(language.setColour("procedures", 0));
    EXPECT_EQ(language.revision(), loaded + 3);
}

TEST(DocumentLanguage, BadFileLeavesNoCategoriesAndSaysWhy) {
    for (const CaseLine &c : readCases("analysis/bad_languages.txt", 1)) {
        SCOPED_TRACE(c.line);
        const bool wholeFile = c.fields[0].startsWith('!');
        DocumentLanguage language;
        ASSERT_TRUE(language.load(sourceDataDir() + "/opl.xml"));
        const quint64 before = language.revision();
        QString error;
        EXPECT_FALSE(language.loadFromXml(
            wholeFile ? c.fields[0].mid(1) : languageXml(c.fields[0].constData()), &error));
        EXPECT_FALSE(error.isEmpty());
        if (wholeFile)
            continue;
        EXPECT_TRUE(error.startsWith("Line ")) << error.toStdString();
        EXPECT_TRUE(language.categories().isEmpty());
        EXPECT_TRUE(language.name().isEmpty());
        EXPECT_NE(language.revision(), before) << "a lexer must notice the loss";
    }
    DocumentLanguage language;
    QString error;
    EXPECT_FALSE(language.load(testDataDir() + "/analysis/no-such-opl.xml", &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

#include "analysis/completion_list.h"
#include "common/case_file.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

namespace {

CompletionList sampleList() {
    CompletionList list;
    list.setName(QStringLiteral("Global"));
    list.setDescription(list.addEntry("LEFT$", "(a$,x%)", 3), "First x% characters.");
    // Text that XML must escape, and characters beyond ASCII.
    list.setDescription(list.addEntry("a&b<c>", "\"q\" 'p'", 7), "Größe ✓ & <tag>");
    list.addEntry("n%", "", 23);
    return list;
}

// Entries outside the list are refused.
TEST(CompletionList, FileFormRoundTripsAndEntriesOutsideAreRefused) {
    CompletionList original = sampleList();
    CompletionList loaded;
    QString error;
    ASSERT_TRUE(loaded.loadFromXml(original.toXml(), &error)) << error.toStdString();
    EXPECT_EQ(loaded.name(), "Global");
    EXPECT_EQ(loaded.entries(), original.entries());
    EXPECT_EQ(loaded.names(), QStringList({"LEFT$", "a&b<c>", "n%"}));
    for (int outside : {-1, 3})
        EXPECT_FALSE(original.entry(outside) || original.setDescription(outside, "x")) << outside;
    EXPECT_TRUE(original.setDescription(original.addEntry("lab::", "", 12), "Label lab::"));
    EXPECT_EQ(*original.entry(3), (CompletionEntry{"lab::", "", 12, "Label lab::"}));
}

TEST(CompletionList, BadFileLeavesTheListEmptyAndSaysWhy) {
    QList<QByteArray> bad{""};
    for (const CaseLine &c : readCases("analysis/bad_completion_lists.txt", 1))
        bad << c.fields[0];
    for (const QByteArray &xml : bad) {
        SCOPED_TRACE(xml.toStdString());
        CompletionList list = sampleList();
        QString error;
        EXPECT_FALSE(list.loadFromXml(xml, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(list.count(), 0);
        EXPECT_TRUE(list.name().isEmpty());
    }
    CompletionList list = sampleList();
    QString error;
    EXPECT_FALSE(list.load(testDataDir() + "/analysis/no-such-global.xml", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(list.count(), 0);
}

} // namespace

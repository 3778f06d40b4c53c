#include "app/document_identity.h"
#include "app/recent_files.h"

#include <gtest/gtest.h>

namespace {

struct RecentCase {
    const char *name;
    std::vector<QString> opened; // in turn, onto an empty list
    std::array<QString, 4> expected;
    bool lastChanged;
};

class RecentFileSequence : public ::testing::TestWithParam<RecentCase> {};

TEST_P(RecentFileSequence, ShiftsByTheFirstSlotOnly) {
    std::array<QString, 4> list;
    bool changed = false;
    for (const QString &path : GetParam().opened)
        changed = RecentFileList::add(list, path);
    EXPECT_EQ(list, GetParam().expected);
    EXPECT_EQ(changed, GetParam().lastChanged);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, RecentFileSequence,
    ::testing::Values(RecentCase{"abc", {"a", "b", "c"}, {"", "c", "b", "a"}, true},
                      // b stood in slot 2: it moves to the front and still shows in slot 3.
                      RecentCase{"abcb", {"a", "b", "c", "b"}, {"", "b", "c", "b"}, true},
                      RecentCase{"abcbc", {"a", "b", "c", "b", "c"}, {"", "c", "b", "c"}, true},
                      RecentCase{"sameAsFirst", {"a", "b", "b"}, {"", "b", "a", ""}, false},
                      // Slot 3 simply moves to the front; a fourth path pushes the oldest out.
                      RecentCase{"fromSlot3", {"a", "b", "c", "a"}, {"", "a", "c", "b"}, true},
                      RecentCase{"fourth", {"a", "b", "c", "d"}, {"", "d", "c", "b"}, true},
                      RecentCase{"caseMatters",
                                 {"/x/A.opl", "/x/a.opl"},
                                 {"", "/x/a.opl", "/x/A.opl", ""},
                                 true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DocumentIdentity, UntitledMeansTheCaptionStartsWithDocument) {
    EXPECT_TRUE(DocumentIdentity::isUntitled("Document 1"));
    EXPECT_TRUE(DocumentIdentity::isUntitled("Document"));
    EXPECT_TRUE(DocumentIdentity::isUntitled("Documents/a.opl"));
    EXPECT_FALSE(DocumentIdentity::isUntitled("document 1"));
    EXPECT_FALSE(DocumentIdentity::isUntitled("Docum"));
    EXPECT_FALSE(DocumentIdentity::isUntitled("/home/u/Document 1.opl"));
    EXPECT_FALSE(DocumentIdentity::isUntitled(""));
}

TEST(DocumentIdentity, FileNotFoundTextEndsWithThePathAfterTwoLineBreaks) {
    EXPECT_EQ(DocumentIdentity::fileNotFoundText("/tmp/gone.opl"),
              "File not found!\r\n\r\n/tmp/gone.opl");
}

} // namespace

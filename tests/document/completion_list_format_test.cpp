#include "common/case_file.h"
#include "document/completion_list_format.h"

#include <gtest/gtest.h>

namespace {

using namespace CompletionListFormat;

CompletionEntry entry(const char *name, const char *params, int icon, const char *description) {
    return {QString::fromUtf8(name), QString::fromUtf8(params), icon,
            QString::fromUtf8(description)};
}

TEST(CompletionListFormat, ListsEachNameOnceWithItsIcon) {
    const QList<CompletionEntry> entries = {
        entry("PRINT", "", 2, "Shows text"),  entry("calc%:", "(a%,b$)", 9, "User function"),
        entry("", "", 3, "nameless"),         entry("PRINT", "", 23, "User variable"),
        entry("bad\nname\tx", "", 12, "odd"), entry("Grüße$", "", 23, ""),
    };
    EXPECT_EQ(itemList(entries), QByteArray("PRINT\t2\ncalc%:\t9\nbad name x\t12\n") +
                                     QStringLiteral("Grüße$").toUtf8() + "\t23");
    EXPECT_EQ(itemList({}), QByteArray());
}

TEST(CompletionListFormat, CallTipShowsParametersAndDescription) {
    EXPECT_EQ(callTip(entry("calc%:", "(a%,b$)", 9, "User function calc%:")),
              QStringLiteral("calc%:(a%,b$)\nUser function calc%:"));
    EXPECT_EQ(callTip(entry("b$", "(0 ... 20)", 23, "")), QStringLiteral("b$(0 ... 20)"));
    EXPECT_EQ(callTip(entry("n%", "", 23, "User variable n%")),
              QStringLiteral("n%\nUser variable n%"));
    EXPECT_EQ(callTip(entry("x", "", 23, "")), QString());
}

TEST(CompletionListFormat, PartialNameEndsAtTheCaret) {
    for (const CaseLine &c : readCases("document/partial_names.txt", 2))
        EXPECT_EQ(partialNameLength(c.text(0)), c.text(1).toInt()) << c.line;
}

} // namespace

#include "common/qstring_printer.h"
#include "dialogs/reference_search.h"
#include "dialogs/version_text.h"

#include <gtest/gtest.h>

TEST(ReferenceSearch, TheExactHeadingFirstThenTheFirstThatStartsWithTheText) {
    const QStringList headings{"OPL Command Reference", "GET$", "GET", " PRINT", "PRINT#"};
    const struct {
        const char *text;
        bool prefixToo;
        qsizetype expected;
    } cases[] = {
        {"get", true, 2}, {" GET$ ", true, 1}, {"ge", true, 1},    {"print", true, 3},
        {"PRI", true, 3}, {"PRI", false, -1},  {"ABS", true, -1},  {"", true, -1},
        {"  ", true, -1}, {"opl", true, 0},    {"GET(", true, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReferenceSearch::headingIndex(headings, QString(c.text), c.prefixToo), c.expected)
            << c.text;
}

TEST(ReferenceSearch, TheWordAtTheCaretWithItsTypeSuffix) {
    const std::tuple<const char *, int, const char *> cases[] = {
        {"  PRINT x%", 2, "PRINT"}, {"  PRINT x%", 7, "PRINT"},
        {"k$=GET$", 5, "GET$"},     {"k$=GET$", 7, "GET$"},
        {"k$=GET$", 6, "GET$"},     {"a = b", 1, "a"},
        {"a  =  b", 3, ""},         {"", 0, ""},
        {"ALERT(m$)", 99, ""},      {"my_proc%:", 3, "my_proc%"},
    };
    for (const auto &[line, column, word] : cases)
        EXPECT_EQ(ReferenceSearch::wordAt(QString(line), column), word) << line << column;
}

TEST(VersionText, ShowsThreeUnpaddedNumbers) {
    const std::pair<const char *, const char *> cases[] = {
        {"0.1.0", "0.1.0"},   {"1.02.030", "1.2.30"}, {"2", "2.0.0"},
        {"1.2.3.4", "1.2.3"}, {"", "0.0.0"},          {"1.x.3", "1.0.3"},
    };
    for (const auto &[version, expected] : cases)
        EXPECT_EQ(versionText(QString(version)), expected) << version;
}

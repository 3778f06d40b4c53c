#include "dialogs/reference_search.h"
#include "dialogs/version_text.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

TEST(ReferenceSearch, AHeadingIsAParagraphWhoseFirstWordIsTheName) {
    struct Case {
        const char *paragraph;
        const char *name;
        qsizetype expected;
    };
    const Case cases[] = {
        {"GET", "get", 0},
        {"  GET", "GET", 2},
        {"GET$", "GET", -1},
        {"GET", "GET$", -1},
        {"PRINT list of expressions", "print", 0},
        {"ADDR(variable)", "ADDR", 0},
        {"k%=GET", "GET", -1},
        {"Unlike GET it waits", "GET", -1},
        {"Prints a list", "print", -1},
        {"", "GET", -1},
        {"GET", "", -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ReferenceSearch::headingPosition(QString(c.paragraph), QString(c.name)),
                  c.expected)
            << c.paragraph << " / " << c.name;
}

TEST(VersionText, ShowsThreeUnpaddedNumbers) {
    const std::pair<const char *, const char *> cases[] = {
        {"0.1.0", "0.1.0"},   {"1.02.030", "1.2.30"}, {"2", "2.0.0"},
        {"1.2.3.4", "1.2.3"}, {"", "0.0.0"},          {"1.x.3", "1.0.3"},
    };
    for (const auto &[version, expected] : cases)
        EXPECT_EQ(versionText(QString(version)), expected) << version;
}

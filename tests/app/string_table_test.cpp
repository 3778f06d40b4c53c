#include "base/string_table.h"

#include <QList>
#include <gtest/gtest.h>

TEST(StringTable, TextsKeepTheirBlanksAndSpellingAndTheGapsStayEmpty) {
    for (const auto &[number, text] : {std::pair(1024, "Please save yor work first!"),
                                       {1050, " Line "},
                                       {1051, "Translation successfull"},
                                       {1066, "allready reserved!"},
                                       {1031, "&?"}})
        EXPECT_EQ(StringTable::find(number), QString(text)) << number;

    const QList<int> gaps = {1022, 1023, 1049, 1052, 1054, 1070, 1075};
    for (int n = 999; n <= 1104; ++n) {
        const bool listed = n >= 1000 && n <= 1103 && !gaps.contains(n);
        EXPECT_EQ(StringTable::find(n).has_value(), listed) << n;
        EXPECT_EQ(StringTable::text(n).isEmpty(), !listed) << n;
    }
    EXPECT_TRUE(StringTable::text(1064).contains("without warranty"));
}

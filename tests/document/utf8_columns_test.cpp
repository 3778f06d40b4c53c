#include "document/utf8_columns.h"

#include <gtest/gtest.h>

#include <QString>
#include <string_view>

namespace {

using namespace std::literals;

QString text(std::u16string_view s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

struct ColumnCase {
    std::u16string_view line;
    int column;
    qsizetype byte; // expected offset
};

class ColumnToByte : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnToByte, FindsTheByteOfAColumnAndBack) {
    const ColumnCase &c = GetParam();
    const QByteArray utf8 = text(c.line).toUtf8();
    EXPECT_EQ(Utf8Columns::byteOffset(utf8, c.column), c.byte);
    // Back from bytes to columns agrees with how QString counts.
    const QString before = QString::fromUtf8(utf8.left(c.byte));
    EXPECT_EQ(Utf8Columns::columnCount(QByteArrayView(utf8).first(c.byte)), before.size());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ColumnToByte,
    ::testing::Values(ColumnCase{u"PRINT", 0, 0}, ColumnCase{u"PRINT", 3, 3},
                      ColumnCase{u"PRINT", 5, 5}, ColumnCase{u"PRINT", 99, 5},
                      ColumnCase{u"", 2, 0},
                      // ä ö ü take two bytes, € and ✓ three.
                      ColumnCase{u"äöü€✓x", 1, 2}, ColumnCase{u"äöü€✓x", 3, 6},
                      ColumnCase{u"äöü€✓x", 4, 9}, ColumnCase{u"äöü€✓x", 5, 12},
                      ColumnCase{u"äöü€✓x", 6, 13},
                      // A character beyond U+FFFF takes four bytes and two columns.
                      ColumnCase{u"a\U0001F600b", 1, 1}, ColumnCase{u"a\U0001F600b", 2, 1},
                      ColumnCase{u"a\U0001F600b", 3, 5}, ColumnCase{u"a\U0001F600b", 4, 6},
                      ColumnCase{u"x\0y"sv, 2, 2}));

} // namespace

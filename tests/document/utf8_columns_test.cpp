#include "common/case_file.h"
#include "document/utf8_columns.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

TEST(Utf8Columns, FindsTheByteOfAColumnAndBack) {
    for (const CaseLine &c : readCases("document/utf8_columns.txt", 3)) {
        const QByteArray &utf8 = c.fields[0];
        const qsizetype byte = c.text(2).toInt();
        EXPECT_EQ(Utf8Columns::byteOffset(utf8, c.text(1).toInt()), byte) << "line " << c.line;
        // Back from bytes to columns agrees with how QString counts.
        EXPECT_EQ(Utf8Columns::columnCount(QByteArrayView(utf8).first(byte)),
                  QString::fromUtf8(utf8.left(byte)).size())
            << "line " << c.line;
    }
}

} // namespace

#include "base/text_codec.h"
#include "common/case_file.h"
#include "common/qstring_printer.h"

#include <gtest/gtest.h>

using namespace TextCodec;

TEST(TextCodec, DecodesBytesSplitsAndEndsLinesAndEncodesAscii) {
    for (const CaseLine &c : readCases("document/text_codec.txt", 3)) {
        const EncodeResult ascii = encodeText(c.text(1), Ascii);
        const QString result = c.text(0) == "decode"  ? decodeText(c.fields[1])
                               : c.text(0) == "lines" ? splitLines(c.text(1)).join('|')
                               : c.text(0) == "crlf"
                                   ? toCrLf(c.text(1))
                                   : ascii.errorMessage + QString::fromLatin1(ascii.bytes);
        EXPECT_EQ(result, c.text(2)) << "line " << c.line;
    }
}

TEST(TextCodecDecode, EveryWindows1252ByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    QByteArray back;
    for (QChar c : text) {
        const auto byte = windows1252Byte(c);
        ASSERT_TRUE(byte.has_value()) << int(c.unicode());
        back.append(*byte);
    }
    EXPECT_EQ(back, all);
    EXPECT_EQ(text[0x81], QChar(0x81));
    EXPECT_EQ(text[0x80], QChar(0x20AC));
}

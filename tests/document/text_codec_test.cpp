#include "common/case_file.h"
#include "common/qstring_printer.h"
#include "base/text_codec.h"

#include <gtest/gtest.h>

using namespace TextCodec;

TEST(TextCodec, DecodesBytesAndSplitsLines) {
    for (const CaseLine &c : readCases("document/text_codec.txt", 3)) {
        const QString result =
            c.text(0) == "decode" ? decodeText(c.fields[1]) : splitLines(c.text(1)).join('|');
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

TEST(TextCodecLines, CrLfEverywhere) {
    EXPECT_EQ(toCrLf("a\nb\rc\r\nd\n"), QString("a\r\nb\r\nc\r\nd\r\n"));
}

TEST(TextCodecEncode, AsciiRefusesWhatWindows1252CannotHoldNamingLineAndCharacter) {
    const auto check = encodeText(QString::fromUtf8("ok\r\nfine\nbad ✓ here"), Ascii);
    EXPECT_FALSE(check.ok);
    EXPECT_TRUE(check.bytes.isEmpty());
    EXPECT_EQ(check.line, 3);
    EXPECT_EQ(check.errorMessage,
              QString::fromUtf8("Line 3: the character \"✓\" cannot be saved as ASCII."));
    const auto emoji = encodeText(QString::fromUtf8("x😀"), Ascii);
    EXPECT_EQ(emoji.character, QString::fromUtf8("😀"));
    EXPECT_EQ(emoji.line, 1);
}

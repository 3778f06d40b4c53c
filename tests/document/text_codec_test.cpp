#include "document/text_codec.h"

#include <gtest/gtest.h>

using namespace TextCodec;

TEST(TextCodecDecode, RecognisesBomsUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF\xC3\xA4x")), QString::fromUtf8("äx"));
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE"
                                    "a\0\xE4\0",
                                    6)),
              QString::fromUtf8("aä"));
    EXPECT_EQ(decodeText(QByteArray("\xFE\xFF\0a\0\xE4", 6)), QString::fromUtf8("aä"));
    EXPECT_EQ(decodeText(QByteArray("caf\xC3\xA9")), QString::fromUtf8("café"));
    // Not valid UTF-8: one byte per character.
    EXPECT_EQ(decodeText(QByteArray("caf\xE9 \x80")), QString::fromUtf8("café €"));
    EXPECT_EQ(decodeText(QByteArray()), QString());
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

TEST(TextCodecLines, SplitsAtEveryLineEndAndKeepsTheEmptyLastLine) {
    EXPECT_EQ(splitLines(""), QStringList{""});
    EXPECT_EQ(splitLines("PRINT 1\r\n"), (QStringList{"PRINT 1", ""}));
    EXPECT_EQ(splitLines("a\nb\rc\r\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\r\nb"), (QStringList{"a", "", "b"}));
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

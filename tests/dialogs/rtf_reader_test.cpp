#include "common/qstring_printer.h"
#include "common/test_paths.h"
#include "dialogs/rtf_reader.h"
#include "rtf_invariants.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <string_view>

using namespace std::literals;

namespace {

RtfDocument readRtf(std::string_view rtf) {
    return RtfReader::read(QByteArrayView(rtf.data(), qsizetype(rtf.size())));
}

QString textOf(std::string_view rtf) {
    return readRtf(rtf).plainText();
}

struct TextCase {
    std::string_view rtf;
    const char *expected; // UTF-8
};

void expectTexts(std::initializer_list<TextCase> cases) {
    for (const TextCase &c : cases) {
        const RtfDocument doc = readRtf(c.rtf);
        EXPECT_EQ(doc.plainText(), QString::fromUtf8(c.expected)) << c.rtf;
        EXPECT_EQ(rtfInvariantViolation(doc), QString()) << c.rtf;
    }
}

// The runs of the last paragraph as "text bold/italic/underline size", e.g. "c bi- 24".
QStringList describeRuns(std::string_view rtf) {
    QStringList runs;
    const RtfDocument doc = readRtf(rtf);
    for (const RtfRun &run : doc.paragraphs.last().runs) {
        const RtfCharFormat &f = run.format;
        runs << QString("%1 %2%3%4 %5")
                    .arg(run.text, f.bold ? "b" : "-", f.italic ? "i" : "-",
                         f.underline ? "u" : "-")
                    .arg(f.halfPoints);
    }
    return runs;
}

} // namespace

TEST(RtfReaderText, ReadsParagraphsBreaksAndEscapes) {
    expectTexts({
        {R"({\rtf1\ansi Hello})", "Hello"},
        {R"({\rtf1 a\par b})", "a\nb"},
        {R"({\rtf1 a\par})", "a"},
        {R"({\rtf1 a\par\par b\par })", "a\n\nb"},
        {R"({\rtf1 a\line b\tab c})", "a\u2028b\tc"},
        {"{\\rtf1 a\r\nb\rc\nd}", "abcd"},
        {"{\\rtf1 a\\\r\nb\\\nc}", "a\nb\nc"},
        {R"({\rtf1 \\ \{ \}})", "\\ { }"},
        {R"({\rtf1 \b bold\b0  plain})", "bold plain"},
        {R"({\rtf1 a\~b\_c\emdash d\bullet\lquote x\rquote})",
         "a\u00A0b\u2011c\u2014d\u2022\u2018x\u2019"},
        {R"({\rtf1 caf\'e9 \'80\'81\'9F})", "café €\u0081Ÿ"},
        {R"({\rtf1 \'E9\'c9})", "éÉ"},
        {"{\\rtf1 raw caf\xE9}", "raw café"},
        {R"({\rtf1 a\pard\plain\sect b\page c})", "a\nb\nc"},
    });
}

TEST(RtfReaderText, ReadsUnicodeWithItsFallback) {
    expectTexts({
        {R"({\rtf1 \u8364?x})", "€x"},
        {R"({\rtf1\uc2 \u8364\'80\'81x})", "€x"},
        {R"({\rtf1\uc0 \u8364 x})", "€x"},
        {R"({\rtf1{\uc2 \u8364 ab}\u8364 ab})", "€€b"},
        {R"({\rtf1\uc3 \u8364{x}})", "€x"},
        {R"({\rtf1 \u-10179?\u-8704?!})", "😀!"},
        {R"({\rtf1 \u-10179?x})", "\uFFFDx"},
        {R"({\rtf1 \u-8704?x})", "\uFFFDx"},
        {R"({\rtf1 \u-10179?})", "\uFFFD"},
        {R"({\rtf1 \u0?\u7?\u9?\u127?\'07\'09\'7F.})", "\t\t."},
        {R"({\rtf1 \u8364\par x})", "€\nx"}, // a control word ends the fallback
        {R"({\rtf1 \u123456789?x})", "\uFFFDx"},
    });
}

TEST(RtfReaderText, LeavesOutDestinationsThatAreNotText) {
    expectTexts({
        {R"({\rtf1{\*\generator Writer 1.0;}text})", "text"},
        {R"({\rtf1{\*\unknowndest {nested} words}text})", "text"},
        {R"({\rtf1{\unknowngroup shown}})", "shown"},
        {R"({\rtf1{\info{\title T}{\author A}}x})", "x"},
        {R"({\rtf1{\pict\wmetafile8 0102ff}y{\stylesheet{\s0 Normal;}}})", "y"},
        {R"({\rtf1{\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}}})", "link"},
        {R"({\rtf1{\header top}{\footer bottom}body})", "body"},
        {R"({\rtf1 a\*b})", "ab"},    // \* only counts at a group's start
        {R"(\*\info{\rtf1 x})", "x"}, // no destination outside every group
        {R"({\rtf1 a{\v hidden}b{\v secret\v0 shown}})", "abshown"},
        {"{\\rtf1 a\\bin3 }}}b}", "ab"}, // \bin skips raw bytes, braces too
        {"{\\rtf1{\\*\\x \\bin2 {{}c}", "c"},
    });
}

TEST(RtfReaderText, NeverFailsOnMalformedInput) {
    expectTexts({
        {"", ""},
        {"plain words, no RTF", "plain words, no RTF"},
        {R"({\rtf1 abc)", "abc"},
        {R"({\rtf1 abc\)", "abc"},
        {R"({\rtf1 abc\'4)", "abc"},
        {R"({\rtf1 abc\')", "abc"},
        {R"({\rtf1 a\'zzb\'4zc})", "azzbzc"},
        {R"(}}}{\rtf1 a}}}b)", "ab"},
        {R"({\rtf1\foo\bar123\baz-7 x\-})", "x\u00AD"},
        {"\0\x01\x7F{\\rtf1 a\0b\x1B}"sv, "ab"},
        {"{\\rtf1 \\bin999999 abc}", ""},
        {R"({\rtf1\fs99999999999999999999 x\u99999999999999999999?y})", "x\uFFFDy"},
        {R"({\rtf1 \u-99999999?z})", "\uFFFDz"},
        {R"({\rtf1\f-3\cf-2\uc-5\fs-8\fs0 ok})", "ok"},
        {"{\\rtf1 \\\xC3\xA9 x}", "© x"},
    });
}

TEST(RtfReaderText, SurvivesDeepNestingAndKeepsItsText) {
    std::string deep = R"({\rtf1 a)";
    deep += std::string(200000, '{') + R"(\b b)";
    EXPECT_EQ(textOf(deep), "ab");
    deep += std::string(200000, '}') + "c}";
    const RtfDocument doc = readRtf(deep);
    EXPECT_EQ(doc.plainText(), "abc");
    // Once every group has closed again, the formatting of the outer group is back.
    EXPECT_FALSE(doc.paragraphs.last().runs.last().format.bold);
}

TEST(RtfReaderFormat, GroupsScopeTheCharacterFormatting) {
    EXPECT_EQ(describeRuns(R"({\rtf1 a{\b b{\i c\ul d\ulnone e}}f\fs40 g\fs h)"
                           R"(\plain\b\i\ul i\b0\i0\ul0 j{k}l})"),
              (QStringList{"a --- 24", "b b-- 24", "c bi- 24", "d biu 24", "e bi- 24", "f --- 24",
                           "g --- 40", "h --- 24", "i biu 24", "jkl --- 24"}));
    // Sizes no font can have are clamped or ignored.
    EXPECT_EQ(describeRuns(R"({\rtf1\fs30 a\fs0 b\fs-4 c\fs1000000 d\fs1 e})"),
              (QStringList{"abc --- 30", "d --- 3276", "e --- 1"}));
}

TEST(RtfReaderFormat, ParagraphsTakeTheLayoutInForceAtTheirEnd) {
    const RtfDocument doc = readRtf(R"({\rtf1{\pard\sb240\sa60\qc Head\par}{\pard\li360\fi-180 a)"
                                    R"(\par}{\qc b}\qr\sa99999\par{\pard\qj c}})");
    ASSERT_EQ(doc.paragraphs.size(), 4);
    using A = RtfAlignment;
    EXPECT_EQ(doc.paragraphs[0].format, (RtfParagraphFormat{240, 60, 0, 0, A::Centre}));
    EXPECT_EQ(doc.paragraphs[1].format, (RtfParagraphFormat{0, 0, 360, -180, A::Left}));
    EXPECT_EQ(doc.paragraphs[2].format, (RtfParagraphFormat{0, 31680, 0, 0, A::Right}));
    EXPECT_EQ(doc.paragraphs[3].format, (RtfParagraphFormat{0, 0, 0, 0, A::Justify}));
}

TEST(RtfReaderFormat, ResolvesFontsThroughTheFontTable) {
    const RtfDocument doc =
        readRtf(R"({\rtf1\deff1{\fonttbl{\f0\fswiss\fcharset0 Arial;})"
                R"({\f1\fmodern{\*\panose 02070309}Courier New{\*\falt Courier};})"
                R"({\f2 Caf\'e9 Sans;}{\f3;}}\f0 a\f1 b\plain c\f7 d\f2 e\f3 f})");
    QStringList families;
    for (const RtfRun &run : doc.paragraphs[0].runs)
        families << doc.fontFamily(run.format);
    EXPECT_EQ(families, (QStringList{"Arial", "Courier New", "Courier New", "",
                                     QString::fromUtf8("Café Sans"), ""}));
    EXPECT_EQ(doc.plainText(), "abcdef");

    const RtfDocument flat = readRtf(R"({\rtf1{\fonttbl\f0 Times;\f1 Helv}\f1 x})");
    EXPECT_EQ(flat.fonts.value(0), "Times");
    EXPECT_EQ(flat.fonts.value(1), "Helv");
    EXPECT_EQ(flat.plainText(), "x");
    // A font table cut off by the end of the file keeps the entry it was reading.
    EXPECT_EQ(readRtf(R"({\rtf1{\fonttbl{\f4 Cut)").fonts.value(4), "Cut");
}

TEST(RtfReaderFormat, ResolvesColoursThroughTheColourTable) {
    const RtfDocument doc = readRtf(R"({\rtf1{\colortbl;\red255\green0\blue0;)"
                                    R"(\red0\green128\blue300;\green-5;}\cf1 r\cf2 g\cf0 a\cf3 k)"
                                    R"(\cf9 x\red9 y})");
    ASSERT_EQ(doc.colours.size(), 4);
    const QList<RtfRun> &runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 5);
    EXPECT_EQ(doc.colour(runs[0].format), (RtfColour{255, 0, 0}));
    EXPECT_EQ(doc.colour(runs[1].format), (RtfColour{0, 128, 255}));
    EXPECT_FALSE(doc.colour(runs[2].format).has_value());
    EXPECT_EQ(doc.colour(runs[3].format), (RtfColour{0, 0, 0}));
    EXPECT_FALSE(doc.colour(runs[4].format).has_value());
    EXPECT_EQ(runs[4].text, "xy");
}

// Every input the fuzzer found troublesome stays here, and reads cleanly.
TEST(RtfReaderText, ReadsEveryKeptFuzzInputCleanly) {
    const QDir corpus(testDataDir() + "/dialogs/rtf-fuzz");
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(rtfInvariantViolation(RtfReader::read(file.readAll())), QString())
            << name.toStdString();
    }
}

#include "common/case_file.h"
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

// Paragraphs, breaks, escapes, Unicode with its fallback, destinations that are no text, and
// malformed input that must never fail: RTF => its plain text, one case a line.
TEST(RtfReaderText, ReadsTheTextOfEveryCase) {
    for (const CaseLine &c : readCases("dialogs/rtf_texts.txt", 2)) {
        const RtfDocument doc = RtfReader::read(c.fields[0]);
        EXPECT_EQ(doc.plainText(), c.text(1)) << "line " << c.line;
        EXPECT_EQ(rtfInvariantViolation(doc), QString()) << "line " << c.line;
    }
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

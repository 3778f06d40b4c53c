#include "common/case_file.h"
#include "common/golden_file.h"
#include "common/qstring_printer.h"
#include "common/test_paths.h"
#include "dialogs/rtf_reader.h"
#include "rtf_invariants.h"

#include <QDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every part of a read document, one item a line.
QString printed(const RtfDocument &doc) {
    static const char *const alignments[] = {"left", "centre", "right", "justify"};
    QList<int> numbers = doc.fonts.keys();
    std::sort(numbers.begin(), numbers.end());
    QStringList out;
    for (int number : numbers)
        out << QString("font %1: %2").arg(number).arg(doc.fonts[number]);
    out << QString("default font %1, %2 colours").arg(doc.defaultFont).arg(doc.colours.size());
    for (const RtfParagraph &p : doc.paragraphs) {
        const RtfParagraphFormat &l = p.format;
        out << QString("paragraph sb %1 sa %2 li %3 fi %4 %5")
                   .arg(l.spaceBefore)
                   .arg(l.spaceAfter)
                   .arg(l.leftIndent)
                   .arg(l.firstIndent)
                   .arg(alignments[int(l.alignment)]);
        for (const RtfRun &run : p.runs) {
            const RtfCharFormat &f = run.format;
            const std::optional<RtfColour> c = doc.colour(f);
            out << QString("  '%1' %2%3%4 %5 '%6' %7")
                       .arg(run.text, f.bold ? "b" : "-", f.italic ? "i" : "-",
                            f.underline ? "u" : "-")
                       .arg(f.halfPoints)
                       .arg(doc.fontFamily(f),
                            c ? QString("%1,%2,%3").arg(c->red).arg(c->green).arg(c->blue)
                              : QString("auto"));
        }
    }
    return out.join('\n') + '\n';
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
    QByteArray deep = R"({\rtf1 a)" + QByteArray(200000, '{') + R"(\b b)";
    EXPECT_EQ(RtfReader::read(deep).plainText(), "ab");
    deep += QByteArray(200000, '}') + "c}";
    const RtfDocument doc = RtfReader::read(deep);
    EXPECT_EQ(doc.plainText(), "abc");
    // Once every group has closed again, the formatting of the outer group is back.
    EXPECT_FALSE(doc.paragraphs.last().runs.last().format.bold);
}

TEST(RtfReaderFormat, FormatsAsInTheGoldenFile) {
    QString all;
    for (const CaseLine &c : readCases("dialogs/rtf_formats.txt", 1))
        all += "== " + c.text(0) + '\n' + printed(RtfReader::read(c.fields[0]));
    expectGolden(all, "dialogs/rtf_formats_read.txt");
}

// Every input the fuzzer found troublesome stays here, and reads cleanly.
TEST(RtfReaderText, ReadsEveryKeptFuzzInputCleanly) {
    const QDir corpus(testDataDir() + "/dialogs/rtf-fuzz");
    ASSERT_FALSE(corpus.isEmpty());
    for (const QString &name : corpus.entryList(QDir::Files))
        EXPECT_EQ(rtfInvariantViolation(RtfReader::read(readAll(corpus.filePath(name)))), QString())
            << name.toStdString();
}

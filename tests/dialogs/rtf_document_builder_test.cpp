#include "common/qstring_printer.h"
#include "dialogs/rtf_document_builder.h"
#include "dialogs/rtf_reader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QTextCharFormat formatOfBlock(const QTextDocument &document, int block) {
    return document.findBlockByNumber(block).begin().fragment().charFormat();
}

} // namespace

TEST(RtfDocumentBuilder, MakesOneBlockPerParagraphWithTheRunFormats) {
    QTextDocument document;
    document.setPlainText("old text");
    buildTextDocument(
        RtfReader::read(R"({\rtf1{\fonttbl{\f1 Courier New;}})"
                        R"({\colortbl;\red128\green0\blue0;}{\pard\sb300\li150\qc\b\fs32 Head\par})"
                        R"({\f1\cf1 code\line more}\par\par {\i\ul it}})"),
        document);
    ASSERT_EQ(document.blockCount(), 4);
    EXPECT_EQ(document.findBlockByNumber(1).text(), QString("code\u2028more"));
    EXPECT_EQ(document.findBlockByNumber(3).text(), "it");
    EXPECT_EQ(formatOfBlock(document, 0).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOfBlock(document, 0).fontPointSize(), 16.0);
    const QTextBlockFormat head = document.firstBlock().blockFormat();
    EXPECT_EQ(head.topMargin(), 20.0);
    EXPECT_EQ(head.leftMargin(), 10.0);
    EXPECT_EQ(head.alignment(), Qt::AlignHCenter);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(formatOfBlock(document, 1).fontWeight(), QFont::Normal);
    EXPECT_EQ(formatOfBlock(document, 1).fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(formatOfBlock(document, 1).foreground().color(), QColor(128, 0, 0));
    EXPECT_TRUE(formatOfBlock(document, 3).fontItalic());
    EXPECT_TRUE(formatOfBlock(document, 3).fontUnderline());
    EXPECT_FALSE(formatOfBlock(document, 3).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(document.isUndoAvailable());
}

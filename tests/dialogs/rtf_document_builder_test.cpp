#include "common/golden_file.h"
#include "dialogs/rtf_document_builder.h"
#include "dialogs/rtf_reader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

// One block per paragraph, each printed with its margins and alignment and the format of its
// first run, and whether the old text can be brought back by undo.
TEST(RtfDocumentBuilder, MakesOneBlockPerParagraphWithTheRunFormats) {
    QTextDocument document;
    document.setPlainText("old text");
    buildTextDocument(
        RtfReader::read(R"({\rtf1{\fonttbl{\f1 Courier New;}})"
                        R"({\colortbl;\red128\green0\blue0;}{\pard\sb300\li150\qc\b\fs32 Head\par})"
                        R"({\f1\cf1 code\line more}\par\par {\i\ul it}})"),
        document);
    QString printed = QString("undo %1\n").arg(document.isUndoAvailable());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        const QTextCharFormat f = block.begin().fragment().charFormat();
        printed +=
            QString("'%1' top %2 left %3 align %4 | weight %5 size %6 %7%8 '%9' %10\n")
                .arg(block.text())
                .arg(b.topMargin())
                .arg(b.leftMargin())
                .arg(int(b.alignment()))
                .arg(f.fontWeight())
                .arg(f.fontPointSize())
                .arg(f.fontItalic() ? "i" : "-", f.fontUnderline() ? "u" : "-",
                     f.fontFamilies().toStringList().join(','),
                     f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name()
                                                                 : "auto");
    }
    expectGolden(printed, "dialogs/rtf_document_built.txt");
}

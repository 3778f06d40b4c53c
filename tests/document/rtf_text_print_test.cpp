#include "common/scripted_prompts.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The text of a printed PDF, pages separated by form feeds.
QString printed(rtfText &editor, int options, const QString &caption) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    EXPECT_TRUE(editor.PrintContents(printer, options, caption));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

class RtfTextPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        QString text;
        for (int i = 0; i < 150; ++i)
            text += QStringLiteral("PRINT \"line\"\r\n");
        editor.SetText(text + QStringLiteral("REM the end"));
    }
    ScriptedPrompts prompts;
    rtfText editor{prompts};
};

// Without options only the text is printed; either way the screen keeps its own numbering.
TEST_F(RtfTextPrint, Option62PrintsHeadersAndLineNumbersOnEveryPageNoOptionNothingElse) {
    editor.setLineNumbering(false);
    const QString text = printed(editor, 62, QStringLiteral("/home/user/prog.opl"));
    const int pages = int(text.count(u'\f'));
    ASSERT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1").arg(page))) << page;
    EXPECT_EQ(text.count(QStringLiteral("/home/user/prog.opl")), pages);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("151 +REM the end"))));
    EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN, 0), 0);

    editor.setLineNumbering(true);
    const QString plain = printed(editor, 0, QStringLiteral("/home/user/prog.opl"));
    EXPECT_TRUE(plain.contains(QStringLiteral("REM the end")));
    for (const char *missing : {"151", "Page 1", "prog.opl"})
        EXPECT_FALSE(plain.contains(QString::fromLatin1(missing))) << missing;
    EXPECT_GT(editor.SendScintilla(QsciScintillaBase::SCI_GETMARGINWIDTHN, 0), 0);
}

} // namespace

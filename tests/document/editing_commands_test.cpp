#include "common/scripted_prompts.h"
#include "document/editing_commands.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using EditingCommands::CommentLines;
using EditingCommands::UncommentLines;

class EditingCommandsTest : public ::testing::Test {
protected:
    void setLines(const QStringList &lines) {
        editor.SetText(lines.join(QStringLiteral("\r\n")));
        editor.SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
    }
    QStringList lines() const { return editor.Text().split(QStringLiteral("\r\n")); }

    ScriptedPrompts prompts;
    rtfText editor{prompts};
};

TEST_F(EditingCommandsTest, CommentKeepsTheSelectionsLinesAndColumns) {
    const QStringList before{"l0", "l1", "l2", "  l3", "REM l4", "l5", "l6", "l7"};
    setLines(before);
    // Lines 3 to 5 selected whole: the selection ends at column 0 of line 6.
    editor.SetSel({3, 0, 6, 0}, true);
    CommentLines(editor);
    EXPECT_EQ(lines(),
              (QStringList{"l0", "l1", "l2", "REM   l3", "REM REM l4", "REM l5", "REM l6", "l7"}));
    EXPECT_EQ(editor.GetSel(false), (TextRange{3, 0, 6, 0}));
    EXPECT_TRUE(editor.Modified());

    // One Undo takes the whole comment back.
    editor.ExecuteCmd(129);
    EXPECT_EQ(lines(), before);
    editor.ExecuteCmd(139);
    EXPECT_EQ(lines()[6], "REM l6");
}

TEST_F(EditingCommandsTest, CommentWithoutSelectionTakesTheCaretLine) {
    setLines({"a", "PRINT \"ä✓\"", "c"});
    editor.SetSel({1, 8, 1, 8}, true);
    CommentLines(editor);
    EXPECT_EQ(lines(), (QStringList{"a", "REM PRINT \"ä✓\"", "c"}));
    EXPECT_EQ(editor.GetSel(true), (TextRange{1, 8, 1, 8}));
}

TEST_F(EditingCommandsTest, UncommentChangesOnlyAnExactKeywordAtColumnZero) {
    setLines({"REM one", "  REM two", "rem three", "REM"});
    editor.SetSel({0, 2, 3, 3}, true);
    UncommentLines(editor);
    EXPECT_EQ(lines(), (QStringList{"one", "  REM two", "rem three", "REM"}));
    // The old columns come back, cut to the shortened first line.
    EXPECT_EQ(editor.GetSel(false), (TextRange{0, 2, 3, 3}));
    editor.ExecuteCmd(129);
    EXPECT_EQ(lines()[0], "REM one");
}

TEST_F(EditingCommandsTest, UncommentCountsAsAnEditEvenWhenNothingChanged) {
    setLines({"PRINT 1", "PRINT 2"});
    editor.SetSel({0, 0, 1, 2}, false);
    UncommentLines(editor);
    EXPECT_EQ(lines(), (QStringList{"PRINT 1", "PRINT 2"}));
    EXPECT_TRUE(editor.Modified());
}

TEST_F(EditingCommandsTest, CommentThenUncommentGivesTheTextBack) {
    const QStringList before{"PROC main:", "  REM kept", "REMARK", "", "ENDP", ""};
    setLines(before);
    editor.SetSel({5, 0, 0, 3}, false); // made backwards
    CommentLines(editor);
    EXPECT_EQ(lines()[3], "REM ");
    UncommentLines(editor);
    EXPECT_EQ(lines(), before);
    // The selection comes back normalised: its start before its end.
    EXPECT_EQ(editor.GetSel(false), (TextRange{0, 3, 5, 0}));
}

class PrintCommand : public EditingCommandsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        setLines({"PROC main:", "  PRINT \"printed text\"", "ENDP"});
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath("out.pdf");
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PrintCommand, ACancelledDialogPrintsNothing) {
    prompts.printAnswers.push_back(false);
    EXPECT_FALSE(EditingCommands::Print(editor, prompts, printer));
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].kind, ScriptedPrompts::Kind::Print);
    EXPECT_EQ(prompts.calls[0].flags, 268);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommand, PrintsTheTextWithLineNumbersAndHeader) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    editor.setWindowTitle("/home/user/prog.opl");
    prompts.printAnswers.push_back(true);
    ASSERT_TRUE(EditingCommands::Print(editor, prompts, printer));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains("/home/user/prog.opl")) << text.toStdString();
    EXPECT_TRUE(text.contains("Page 1"));
    EXPECT_TRUE(text.contains(QRegularExpression("2 +PRINT \"printed text\"")));
}

} // namespace

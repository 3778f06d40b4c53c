#include "common/case_file.h"
#include "common/scripted_prompts.h"
#include "document/command_catalogue.h"
#include "document/find_dialog.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kSample = QStringLiteral("PROC main:\r\n"
                                       "  LOCAL a%(3)\r\n"
                                       "  a%(1)=(2+3)*4\r\n"
                                       "  PRINT \"A% and a%\"\r\n"
                                       "ENDP\r\n");

class RtfTextCommand : public ::testing::Test {
protected:
    RtfTextCommand() { editor.SetText(kSample); }

    FindDialog *dialog() const { return editor.findChild<FindDialog *>(); }
    template <typename T> T *control(const char *name) const {
        return dialog()->findChild<T *>(QString::fromLatin1(name));
    }
    void search(const QByteArray &text) {
        editor.ExecuteCmd(CommandCatalogue::Find);
        control<QLineEdit>("findText")->setText(QString::fromUtf8(text));
    }
    void expectMessage(const QString &text, const QString &title) {
        EXPECT_EQ(prompts.onlyMessage(),
                  ScriptedPrompts::box(text, title, MessageIcon::Information));
        prompts.clear();
    }

    ScriptedPrompts prompts;
    rtfText editor{prompts};
};

TEST_F(RtfTextCommand, EveryCatalogueCommandRuns) {
    editor.resize(400, 200);
    for (const CommandCatalogue::Command &command : CommandCatalogue::all()) {
        using Argument = CommandCatalogue::Argument;
        editor.SetSel({2, 4, 3, 6}, false);
        EXPECT_TRUE(editor.ExecuteCmd(command.number,
                                      command.argument == Argument::Integer
                                          ? QString::number(command.minimum)
                                          : QString(command.argument == Argument::Text ? "x" : "")))
            << command.number;
    }
}

TEST_F(RtfTextCommand, IndentTakesTheLinesTheSelectionTouches) {
    // Lines 1 to 3 selected whole: the selection ends at column 0 of line 4.
    editor.SetSel({1, 0, 4, 0}, false);
    editor.ExecuteCmd(CommandCatalogue::Indent);
    EXPECT_EQ(editor.Text(), QString(kSample).replace("\n  ", "\n\t  "));
    // One undo takes back the indentation of every line.
    editor.ExecuteCmd(CommandCatalogue::Undo);
    EXPECT_EQ(editor.Text(), kSample);

    editor.SetSel({2, 5, 3, 1}, false);
    editor.ExecuteCmd(CommandCatalogue::Unindent);
    EXPECT_EQ(editor.Text(),
              QString(kSample).replace("\n  a%", "\na%").replace("\n  PRINT", "\nPRINT"));
}

TEST_F(RtfTextCommand, GoToLineByIndexOrByAskingTheUser) {
    editor.ExecuteCmd(CommandCatalogue::GoToLine, 3);
    EXPECT_EQ(editor.GetSel(false), (TextRange{3, 0, 3, 0}));
    editor.ExecuteCmd(CommandCatalogue::GoToLine, 99);
    EXPECT_EQ(editor.GetSel(false).endLine, 5);
    EXPECT_TRUE(prompts.calls.empty());

    prompts.inputAnswers = {QStringLiteral("abc"), QStringLiteral(" 7 "), QStringLiteral("2")};
    EXPECT_TRUE(editor.ExecuteCmd(CommandCatalogue::GoToLine, -1));
    EXPECT_EQ(editor.GetSel(false), (TextRange{1, 0, 1, 0}));
    ASSERT_EQ(prompts.calls.size(), 5u);
    EXPECT_EQ(prompts.calls[0].text + '|' + prompts.calls[0].title, "Line number (1 - 6):|Go To");
    const auto box = [](const char *text) {
        return ScriptedPrompts::box(QString::fromUtf8(text) +
                                        " is not a line number. Enter a whole "
                                        "number from 1 to 6.",
                                    "Go To", MessageIcon::Critical);
    };
    EXPECT_EQ(prompts.boxes(), (QStringList{box("\"abc\""), box("\"7\"")}));

    // Ctrl+G asks the same; cancelling leaves the caret where it was.
    prompts.clear();
    QTest::keyClick(&editor, Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].kind, ScriptedPrompts::Kind::Input);
    EXPECT_EQ(editor.GetSel(false), (TextRange{1, 0, 1, 0}));
}

TEST_F(RtfTextCommand, CtrlFOpensFindWithTheSelectedWord) {
    editor.SetSel({0, 5, 0, 9}, false);
    QTest::keyClick(&editor, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(control<QLineEdit>("findText")->text(), QStringLiteral("main"));
    EXPECT_FALSE(control<QPushButton>("replaceAll")->isVisible());
    EXPECT_FALSE(dialog()->isModal());

    control<QLineEdit>("findText")->setText(QStringLiteral("a%"));
    control<QPushButton>("findNext")->click();
    EXPECT_EQ(editor.GetSel(false), (TextRange{1, 8, 1, 10}));
    // F3 goes on with the same search; Shift+F3 goes back.
    QTest::keyClick(&editor, Qt::Key_F3);
    EXPECT_EQ(editor.GetSel(false), (TextRange{2, 2, 2, 4}));
    QTest::keyClick(&editor, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(editor.GetSel(true), (TextRange{1, 8, 1, 10}));
    EXPECT_TRUE(prompts.calls.empty());
}

TEST_F(RtfTextCommand, SearchOptions) {
    const auto range = [](const QString &text) {
        const QStringList n = text.split(' ');
        return TextRange{n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()};
    };
    for (const CaseLine &c : readCases("document/find_options.txt", 4)) {
        SCOPED_TRACE(c.line);
        search(c.fields[0]);
        control<QCheckBox>("matchCase")->setChecked(c.text(1).contains('c'));
        control<QCheckBox>("wholeWord")->setChecked(c.text(1).contains('w'));
        control<QCheckBox>("wrap")->setChecked(c.text(1).contains('r'));
        control<QRadioButton>(c.text(1).contains('u') ? "up" : "down")->setChecked(true);
        editor.SetSel(range(c.text(2)), false);
        control<QPushButton>("findNext")->click();
        if (c.text(3) == "not found")
            expectMessage('"' + c.text(0) + "\" was not found.", QStringLiteral("Find"));
        EXPECT_EQ(editor.GetSel(false), range(c.text(3) == "not found" ? c.text(2) : c.text(3)));
    }
}

TEST_F(RtfTextCommand, ReplaceAndReplaceAllInOneUndoStep) {
    QTest::keyClick(&editor, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(control<QPushButton>("replaceAll")->isVisible());
    control<QLineEdit>("findText")->setText(QStringLiteral("a%"));
    control<QLineEdit>("replaceText")->setText(QStringLiteral("count%"));

    editor.SetSel({0, 0, 0, 0}, false);
    control<QPushButton>("replace")->click(); // finds the first
    control<QPushButton>("replace")->click(); // replaces it, finds the second
    EXPECT_EQ(editor.GetLine(1), QStringLiteral("  LOCAL count%(3)"));
    EXPECT_EQ(editor.SelText(), QStringLiteral("a%"));

    control<QPushButton>("replaceAll")->click();
    expectMessage(QStringLiteral("3 places were replaced."), QStringLiteral("Replace"));
    EXPECT_EQ(editor.GetLine(3), QStringLiteral("  PRINT \"count% and count%\""));
    editor.ExecuteCmd(CommandCatalogue::Undo);
    EXPECT_EQ(editor.GetLine(2), QStringLiteral("  a%(1)=(2+3)*4"));
    EXPECT_EQ(editor.GetLine(1), QStringLiteral("  LOCAL count%(3)"));

    control<QLineEdit>("findText")->setText(QStringLiteral("zzz"));
    control<QPushButton>("replaceAll")->click();
    expectMessage(QStringLiteral("\"zzz\" was not found."), QStringLiteral("Replace"));
}

TEST_F(RtfTextCommand, LineMarksColoursAndLineEdits) {
    editor.SetSel({1, 0, 1, 0}, false);
    editor.ExecuteCmd(179);
    editor.ExecuteCmd(CommandCatalogue::GoToLine, 3);
    editor.ExecuteCmd(179);
    editor.ExecuteCmd(181);
    EXPECT_EQ(editor.GetSel(false).endLine, 1);
    editor.ExecuteCmd(180);
    EXPECT_EQ(editor.GetSel(false).endLine, 3);
    editor.ExecuteCmd(182);
    EXPECT_FALSE(editor.lineMarked(1) || editor.lineMarked(3));

    editor.SetLineColor(2, 255);
    editor.ExecuteCmd(222);
    EXPECT_EQ(editor.lineColor(2), rtfText::NormalLineColour);

    editor.SetText(QStringLiteral("a\tb  \r\n\tc\t \r\n"));
    editor.ExecuteCmd(192, QStringLiteral("4"));
    editor.ExecuteCmd(195);
    EXPECT_EQ(editor.Text(), QStringLiteral("a\tb\r\n\tc\r\n"));
    editor.ExecuteCmd(194);
    EXPECT_EQ(editor.Text(), QStringLiteral("a   b\r\n    c\r\n"));
}

} // namespace

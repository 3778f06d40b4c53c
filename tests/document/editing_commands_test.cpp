#include "common/scripted_prompts.h"
#include "document/editing_commands.h"
#include "document/frm_com.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

TEST(FrmCom, ListsNamesRunsTheChoiceAndKeepsItselfOpenOnARefusal) {
    ScriptedPrompts prompts;
    rtfText editor(prompts);
    editor.SetText("0\r\n1\r\n2\r\n3\r\n4\r\n5");
    frmCom dialog(editor, prompts);
    dialog.show();
    EXPECT_EQ(dialog.lstCom->count(), 124);
    EXPECT_EQ(dialog.lblCom->text(),
              "Scrolls so that the caret's line is in the middle of the window.");

    dialog.lstCom->setCurrentIndex(dialog.lstCom->findText("Go To Line"));
    prompts.inputAnswers.push_back(QString("5")); // without a line the editor asks
    for (const char *parameter : {"abc", "", "3"}) {
        dialog.txtCom->setText(parameter);
        dialog.btnGo->click();
        EXPECT_EQ(dialog.isVisible(), *parameter == 'a') << parameter;
    }
    EXPECT_EQ(prompts.boxes(), QStringList{ScriptedPrompts::box(
                                   "The parameter of \"Go To Line\" must be a line index (0 "
                                   "for the first line) or -1.",
                                   "Tamro", MessageIcon::Critical)});
    EXPECT_EQ(prompts.calls.size(), 2u); // "" asked for a line, "3" did not
    EXPECT_EQ(editor.GetSel(false).endLine, 3);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.lstCom->setCurrentIndex(dialog.lstCom->findText("Select All"));
    dialog.btnCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(editor.SelText(), "");
}

TEST(EditingCommands, PrintAsksFirstAndPrintsOnlyAfterOk) {
    ScriptedPrompts prompts;
    rtfText editor(prompts);
    editor.SetText("PROC main:\r\n  PRINT \"printed text\"\r\nENDP");
    editor.setWindowTitle("/home/user/prog.opl");
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("out.pdf"));
    EXPECT_FALSE(EditingCommands::Print(editor, prompts, printer)); // cancelled
    EXPECT_EQ(prompts.calls.at(0).flags, 268);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.pdf")));
    prompts.printAnswers.push_back(true); // the pages themselves: RtfTextPrint
    EXPECT_TRUE(EditingCommands::Print(editor, prompts, printer));
    EXPECT_TRUE(QFile::exists(dir.filePath("out.pdf")));
}

} // namespace

#include "common/scripted_prompts.h"
#include "document/frm_com.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class FrmCom : public ::testing::Test {
protected:
    FrmCom() {
        QString text;
        for (int i = 1; i <= 20; ++i)
            text += QStringLiteral("line %1\r\n").arg(i);
        editor.SetText(text);
        dialog.show();
    }

    void choose(const QString &name) {
        const int index = dialog.lstCom->findText(name, Qt::MatchExactly);
        ASSERT_GE(index, 0) << name.toStdString();
        dialog.lstCom->setCurrentIndex(index);
    }
    int caretLine() const { return editor.GetSel(false).endLine; }

    ScriptedPrompts prompts;
    rtfText editor{prompts};
    frmCom dialog{editor, prompts};
};

TEST_F(FrmCom, OpensWithTheSecondNameInAlphabeticalOrderAndItsDescription) {
    EXPECT_EQ(dialog.windowTitle(), "Execute Command");
    EXPECT_EQ(dialog.Label1->text(), "Command:");
    EXPECT_EQ(dialog.Label2->text(), "[Parameter:] ");
    EXPECT_EQ(dialog.btnGo->text(), "Execute");
    EXPECT_EQ(dialog.btnCancel->text(), "Cancel");
    EXPECT_EQ(dialog.txtCom->text(), "");
    ASSERT_EQ(dialog.lstCom->count(), 124);
    EXPECT_EQ(dialog.lstCom->itemText(0), "Cancel");
    EXPECT_EQ(dialog.lstCom->currentText(), "Centre Caret Line");
    EXPECT_EQ(dialog.lblCom->text(),
              "Scrolls so that the caret's line is in the middle of the window.");
    // 7905 by 1245 twips, fixed.
    const double dpiX = dialog.logicalDpiX(), dpiY = dialog.logicalDpiY();
    EXPECT_EQ(dialog.width(), qRound(7905 * dpiX / 1440));
    EXPECT_EQ(dialog.height(), qRound(1245 * dpiY / 1440));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.btnGo->geometry().left(), qRound(6960 * dpiX / 1440));
}

TEST_F(FrmCom, ChoosingANameShowsItsDescription) {
    choose("Go To Line");
    EXPECT_EQ(dialog.table().id(dialog.SelectedCommand()), "168");
    EXPECT_TRUE(dialog.lblCom->text().startsWith("Moves the caret to the line"));
}

TEST_F(FrmCom, ExecuteWithAParameterPassesItAndCloses) {
    choose("Go To Line");
    dialog.txtCom->setText("10");
    dialog.btnGo->click();
    EXPECT_EQ(caretLine(), 10);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(prompts.calls.empty());
}

TEST_F(FrmCom, ExecuteWithAnEmptyParameterCallsTheCommandAlone) {
    choose("Go To Line"); // without a line the editor asks for one
    prompts.inputAnswers.push_back(QString("5"));
    dialog.btnGo->click();
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].kind, ScriptedPrompts::Kind::Input);
    EXPECT_EQ(caretLine(), 4);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FrmCom, ARefusedParameterIsReportedAndTheDialogStaysOpen) {
    choose("Go To Line");
    dialog.txtCom->setText("abc");
    dialog.btnGo->click();
    ASSERT_EQ(prompts.messages().size(), 1u);
    const ScriptedPrompts::Call report = prompts.messages().front();
    EXPECT_EQ(report.text,
              "The parameter of \"Go To Line\" must be a line index (0 for the first line) or -1.");
    EXPECT_EQ(report.title, "Tamro");
    EXPECT_EQ(report.icon, MessageIcon::Critical);
    EXPECT_EQ(report.buttons, MessageButtons::Ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(caretLine(), 0);

    // Corrected, it runs.
    dialog.txtCom->setText("3");
    dialog.btnGo->click();
    EXPECT_EQ(caretLine(), 3);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FrmCom, CancelRunsNothing) {
    choose("Select All");
    dialog.btnCancel->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(editor.SelText(), "");
}

TEST(FrmComNames, UnnamedNumbersAreLeftOutAndNoChoiceMeansNoCommand) {
    ScriptedPrompts prompts;
    rtfText editor{prompts};
    const auto names = [](int number, bool description) {
        if (number == 99)
            return QString(description ? "Selects the whole text." : "Select All");
        return number == 222 ? QString(description ? "Clears." : "Clear Line Colours") : QString();
    };
    frmCom dialog(editor, prompts, nullptr, names);
    ASSERT_EQ(dialog.lstCom->count(), 2);
    EXPECT_EQ(dialog.lstCom->currentText(), "Select All");
    EXPECT_EQ(dialog.lblCom->text(), "Selects the whole text.");

    dialog.lstCom->setCurrentIndex(-1);
    EXPECT_EQ(dialog.SelectedCommand(), 0);
    EXPECT_EQ(dialog.lblCom->text(), "");
    dialog.show();
    dialog.btnGo->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"No command was chosen."});
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace

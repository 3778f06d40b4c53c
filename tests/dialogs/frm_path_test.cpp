#include "app/app_settings.h"
#include "common/scripted_prompts.h"
#include "dialogs/frm_path.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class FrmPathTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    AppSettings settings;
    ScriptedPrompts prompts;

    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char *dir : {"a/b", "a/c", "d2/sub"})
            ASSERT_TRUE(QDir(root.path()).mkpath(dir));
        settings.Paths = {"", "/opl/OPLTRAN.EXE", "/inc", "/out", "/conv"};
    }
    QString at(const QString &relative) const { return root.filePath(relative); }
};

TEST_F(FrmPathTest, OkWritesTheFieldIntoThePathsEntryItsModeNames) {
    const struct {
        const char *mode;
        int entry;
    } cases[] = {{"2", 2}, {"3", 3}, {"4", 4}, {"1", 0}, {"", 0}, {"x", 0}};
    for (const auto &c : cases) {
        AppSettings before = settings;
        frmPath dialog(settings, prompts, c.mode);
        dialog.setPath(at("a/b"));
        dialog.btnGo->click();
        if (c.entry)
            before.Paths[c.entry] = at("a/b");
        before.PathChosen = true;
        EXPECT_EQ(settings.Paths, before.Paths) << c.mode;
        EXPECT_TRUE(settings.PathChosen) << c.mode;
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.mode;
        EXPECT_EQ(dialog.property("Tag").toString(), QString::fromLatin1(c.mode));
    }
}

TEST_F(FrmPathTest, OkTakesTheTypedTextEvenWhenNoSuchFolderExists) {
    frmPath dialog(settings, prompts, "3");
    dialog.txtPath->setText(at("not/there"));
    dialog.btnGo->click();
    EXPECT_EQ(settings.Paths[3], at("not/there"));
}

TEST_F(FrmPathTest, EveryWayOutButOkLeavesThePathsAndClearsTheChoice) {
    for (int way = 0; way < 3; ++way) {
        settings.PathChosen = true;
        frmPath dialog(settings, prompts, "2");
        dialog.setPath(at("a/c"));
        dialog.show();
        if (way == 0) {
            dialog.btnCancel->click();
        } else if (way == 1) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&dialog, &escape);
        } else {
            dialog.close();
        }
        EXPECT_FALSE(dialog.isVisible()) << way;
        EXPECT_EQ(settings.Paths[2], "/inc") << way;
        EXPECT_FALSE(settings.PathChosen) << way;
    }
}

TEST_F(FrmPathTest, TypingAWholeFolderMovesTheListsAPartialOneDoesNot) {
    frmPath dialog(settings, prompts, "2");
    dialog.setDrives({at("a"), at("d2")});
    dialog.txtPath->setText(at("a/b"));
    EXPECT_EQ(dialog.folderPath(), at("a/b"));
    EXPECT_EQ(dialog.drive(), at("a"));
    for (const QString &partial : {at("a/cx"), at("d2/su"), QString("d2/sub"), QString()}) {
        dialog.txtPath->setText(partial);
        EXPECT_EQ(dialog.folderPath(), at("a/b")) << partial.toStdString();
    }
    dialog.txtPath->setText(at("d2/sub/"));
    EXPECT_EQ(dialog.folderPath(), at("d2/sub"));
    EXPECT_EQ(dialog.drive(), at("d2"));
    EXPECT_EQ(dialog.txtPath->text(), at("d2/sub/")); // the field keeps what was typed
}

TEST_F(FrmPathTest, ChoosingAFolderOrADriveFillsTheField) {
    frmPath dialog(settings, prompts, "4");
    dialog.setDrives({at("a"), at("d2")});
    dialog.setPath(at("a/c"));
    dialog.setPath(at("a/b")); // a real change of the folder list's current folder
    EXPECT_EQ(dialog.txtPath->text(), at("a/b"));

    dialog.lstDrive->setCurrentIndex(1);
    EXPECT_EQ(dialog.folderPath(), at("d2"));
    EXPECT_EQ(dialog.txtPath->text(), at("d2"));
    EXPECT_TRUE(prompts.calls.empty());
}

TEST_F(FrmPathTest, ADriveThatCannotBeReadIsReportedAndChangesNothing) {
    frmPath dialog(settings, prompts, "2");
    dialog.setDrives({at("a"), at("gone")});
    dialog.setPath(at("a/b"));
    dialog.lstDrive->setCurrentIndex(1);

    ASSERT_EQ(prompts.messages().size(), 1u);
    const auto &box = prompts.messages()[0];
    EXPECT_EQ(box.text, at("gone") + ": No such file or directory");
    EXPECT_EQ(box.title, "Tamro");
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(dialog.drive(), at("a"));
    EXPECT_EQ(dialog.folderPath(), at("a/b"));
    EXPECT_EQ(dialog.txtPath->text(), at("a/b"));
}

TEST_F(FrmPathTest, StartsWithTheMountedDrivesAndItsCaptions) {
    frmPath dialog(settings, prompts, "2");
    EXPECT_GE(dialog.lstDrive->findText(QDir::rootPath()), 0);
    EXPECT_EQ(dialog.btnCancel->text(), "Cancel");
    EXPECT_EQ(dialog.btnGo->text(), "OK");
    dialog.setPath(at("a/b"));
    EXPECT_EQ(dialog.folderPath(), at("a/b"));
}

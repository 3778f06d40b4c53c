#include "base/app_settings.h"
#include "common/scripted_prompts.h"
#include "dialogs/frm_path.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>

class FrmPathTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    AppSettings settings;
    ScriptedPrompts prompts;

    void SetUp() override {
        for (const char *dir : {"a/b", "a/c", "d2/sub"})
            ASSERT_TRUE(QDir(root.path()).mkpath(dir));
        settings.Paths = {"", "/opl/OPLTRAN.EXE", "/inc", "/out", "/conv"};
    }
    QString at(const QString &relative) const { return root.filePath(relative); }
};

TEST_F(FrmPathTest, OkWritesTheFieldAsTypedIntoThePathsEntryItsModeNames) {
    for (const auto &[mode, entry] : std::initializer_list<std::pair<QString, int>>{
             {"2", 2}, {"3", 3}, {"4", 4}, {"1", 0}, {"", 0}, {"x", 0}}) {
        AppSettings expected = settings;
        frmPath dialog(settings, prompts, mode);
        dialog.setPath(at("a/b"));
        dialog.txtPath->setText(at("a/b/not there"));
        dialog.btnGo->click();
        if (entry)
            expected.Paths[entry] = at("a/b/not there");
        expected.PathChosen = true;
        EXPECT_EQ(settings, expected) << mode.toStdString();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(prompts.calls.empty());
}

TEST_F(FrmPathTest, CancelEscapeAndTheCloseBoxLeaveThePathsAndClearTheChoice) {
    for (int way = 0; way < 3; ++way) {
        settings.PathChosen = true;
        frmPath dialog(settings, prompts, "2");
        dialog.setPath(at("a/c"));
        dialog.show();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        way == 0   ? dialog.btnCancel->click()
        : way == 1 ? void(QCoreApplication::sendEvent(&dialog, &escape))
                   : void(dialog.close());
        EXPECT_FALSE(dialog.isVisible()) << way;
        EXPECT_EQ(settings.Paths[2], "/inc") << way;
        EXPECT_FALSE(settings.PathChosen) << way;
    }
}

// Choosing a folder or a drive then fills the field unless the drive cannot be read.
TEST_F(FrmPathTest, AWholeFolderInTheFieldMovesBothListsAPartialOneNeitherAChoiceFillsIt) {
    frmPath dialog(settings, prompts, "4");
    EXPECT_GE(dialog.lstDrive->findText(QDir::rootPath()), 0); // the mounted volumes
    dialog.setDrives({at("a"), at("d2"), at("gone")});
    dialog.txtPath->setText(at("a/b"));
    for (const QString &partial : {at("a/cx"), at("d2/su"), QString("d2/sub"), QString()}) {
        dialog.txtPath->setText(partial);
        EXPECT_EQ(dialog.folderPath() + dialog.drive(), at("a/b") + at("a"))
            << partial.toStdString();
    }
    dialog.txtPath->setText(at("d2/sub/"));
    EXPECT_EQ(dialog.folderPath() + dialog.drive(), at("d2/sub") + at("d2"));
    EXPECT_EQ(dialog.txtPath->text(), at("d2/sub/")); // the field keeps what was typed

    dialog.setPath(at("a/b"));
    auto *folders = static_cast<QFileSystemModel *>(dialog.lstDir->model());
    dialog.lstDir->setCurrentIndex(folders->index(at("a/c")));
    EXPECT_EQ(dialog.txtPath->text(), at("a/c"));
    dialog.lstDrive->setCurrentIndex(1);
    EXPECT_EQ(dialog.txtPath->text(), at("d2"));
    EXPECT_TRUE(prompts.calls.empty());

    dialog.setPath(at("d2/sub"));
    dialog.lstDrive->setCurrentIndex(2);
    EXPECT_EQ(prompts.onlyMessage(),
              ScriptedPrompts::box(at("gone") + ": No such file or directory", "Tamro",
                                   MessageIcon::Critical));
    EXPECT_EQ(dialog.drive() + dialog.folderPath() + dialog.txtPath->text(),
              at("d2") + at("d2/sub") + at("d2/sub"));
}

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "common/scripted_prompts.h"
#include "common/test_paths.h"
#include "dialogs/frm_ini.h"
#include "dialogs/frm_path.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

class FrmIniTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    mdlMAIN module{dir.path(), prompts};
    AppSettings &settings = module.settings();
    QString translator = dir.filePath("OPLTRAN.EXE");

    void SetUp() override {
        module.applyStartDefaults();
        settings.Paths = {"", "/opl/OPLTRAN.EXE", "/inc", "/out", "/conv"};
        settings.FilterNames = {"", "Files", "All Files"};
        settings.Colours[2] = 0x111111;
        QFile file(translator);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    static QString cell(const frmINI &dialog, int row, int column = 1) {
        return dialog.Files->item(row, column)->text();
    }
    static void doubleClick(frmINI &dialog, std::initializer_list<int> rows) {
        for (int row : rows) {
            dialog.Files->setCurrentCell(row, 1);
            dialog.filesDoubleClicked();
        }
    }
};

TEST_F(FrmIniTest, EveryWayOutButOkChangesNothingAndWritesNothing) {
    const AppSettings before = settings;
    for (int way = 0; way < 4; ++way) {
        {
            frmINI dialog(module);
            dialog.show();
            prompts.fontAnswers.push_back(FontChoice{"DejaVu Serif", 12, true, true});
            prompts.inputAnswers.push_back("3");
            prompts.colourAnswers.push_back(0x0000FFu);
            prompts.fileAnswers.push_back(translator);
            doubleClick(dialog, {1, 4, 5, 8});
            // A row's name edits its row, the header nothing.
            for (const auto &[row, column] : {std::pair(6, 0), {0, 1}}) {
                const QPoint at =
                    dialog.Files->visualItemRect(dialog.Files->item(row, column)).center();
                QTest::mouseClick(dialog.Files->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(dialog.Files->viewport(), Qt::LeftButton, {}, at);
            }
            ASSERT_EQ(cell(dialog, 6), "Off");
            ASSERT_EQ(settings.EditorFont.Name, "DejaVu Serif");
            way == 0   ? dialog.btnCancel->click()
            : way == 1 ? QTest::keyClick(dialog.Files, Qt::Key_Escape)
            : way == 2 ? void(dialog.close())
                       : void(); // 3: the dialog goes without being closed
        }
        EXPECT_EQ(settings, before) << way;
        EXPECT_FALSE(QFile::exists(dir.filePath("tamro.ini"))) << way;
    }
}

TEST_F(FrmIniTest, OkStoresOffANewColourAndFontKeepsAWaitThatIsNoNumberAndWrites) {
    frmINI dialog(module);
    prompts.colourAnswers = {0x3366FFu, 0u}; // black is a colour like any other
    prompts.fontAnswers.push_back(FontChoice{"DejaVu Sans Mono", 9.75, true, false});
    prompts.inputAnswers = {"abc", std::nullopt};
    doubleClick(dialog, {6, 9, 9, 5, 4, 4});
    EXPECT_EQ(cell(dialog, 6) + '|' + cell(dialog, 5) + '|' + cell(dialog, 4),
              "Off|DejaVu Sans Mono - 9.75 Pt.|abc");
    EXPECT_TRUE(dialog.Files->item(5, 1)->font().bold());
    EXPECT_EQ(dialog.Files->item(9, 1)->background().color(), QColor(Qt::black));
    EXPECT_EQ(prompts.calls[1].colour, 0x3366FFu) << "the dialog starts at the cell's colour";
    EXPECT_EQ(prompts.calls[3].file.fileName, "6") << "the input starts at the wait";
    dialog.btnOK->click();
    EXPECT_EQ(settings.EditorFont, (EditorFontSetting{"DejaVu Sans Mono", 9.75, true, false}));
    const QStringList lines = QString::fromUtf8(readAll(dir.filePath("tamro.ini"))).split("\r\n");
    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines.mid(7, 7),
              (QStringList{"6", "\"DejaVu Sans Mono\"", "9.75", "\"Off\"", "8421504", "0", "0"}));
}

// A path holding a double quote could not be stored: it is refused with a message.
TEST_F(FrmIniTest, PathRowsTakeAnExistingTranslatorAndAChosenFolderThatCancelKeeps) {
    frmINI dialog(module);
    const QString quoted = dir.filePath("say \"hi\".exe");
    QFile(quoted).open(QIODevice::WriteOnly);
    prompts.fileAnswers = {dir.filePath("gone.exe"), dir.path(), quoted, translator};
    for (const QString &shown :
         QStringList{"/opl/OPLTRAN.EXE", "/opl/OPLTRAN.EXE", "/opl/OPLTRAN.EXE", translator}) {
        doubleClick(dialog, {1});
        EXPECT_EQ(cell(dialog, 1), shown);
    }
    const QString refusal = "\r\n\r\nA path holding a double quote (\") cannot be kept in the "
                            "settings. Please choose another.";
    EXPECT_EQ(prompts.messageTexts(), QStringList{quoted + refusal});
    QString seen, typed = "/in\"c";
    dialog.runModal = [&](QDialog &shown) {
        auto &chooser = dynamic_cast<frmPath &>(shown);
        seen += chooser.windowTitle() + '|' + chooser.mode() + '|' + chooser.txtPath->text();
        chooser.txtPath->setText(std::exchange(typed, dir.path()));
        chooser.mode() == "2" ? chooser.btnGo->click() : chooser.btnCancel->click();
    };
    doubleClick(dialog, {2, 3, 2});
    EXPECT_EQ(seen, "Include Path |2|/incOutput Path |3|/outInclude Path |2|/inc");
    EXPECT_EQ(prompts.messageTexts().value(1), "/in\"c" + refusal);
    EXPECT_EQ(cell(dialog, 3) + '|' + cell(dialog, 2), "/out|" + dir.path());
    dialog.btnCancel->click();
    EXPECT_EQ(settings.Paths[1] + settings.Paths[2], "/opl/OPLTRAN.EXE" + dir.path());
}

TEST_F(FrmIniTest, TheMenuOpensSettingsOwnedByTheMainWindowAndConversionWithoutOwner) {
    QApplication::setQuitOnLastWindowClosed(false);
    module.start();
    frmMain &window = *module.MainWindow();
    window.setTranslatorCommandsEnabled(true);
    QStringList shown;
    for (QAction *entry : {window.mnuFileTransSettings, window.mnuFileTransConv}) {
        QTimer::singleShot(0, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                shown << QString(dialog->metaObject()->className()) +
                             (dialog->parentWidget() == &window ? " owned" : "");
                dialog->close();
            }
        });
        entry->trigger();
    }
    EXPECT_EQ(shown, (QStringList{"frmINI owned", "frmConvert"}));
}

// The conversion dialog, with runs end to end through /bin/sh and the stand-in translator.
#include "base/app_settings.h"
#include "common/scripted_prompts.h"
#include "common/test_paths.h"
#include "dialogs/frm_path.h"
#include "translator/frm_convert.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class FrmConvertTest : public ::testing::Test {
protected:
    // Only letters, digits and "/-" in the paths, so the batch line holds them unquoted.
    QTemporaryDir root{QDir::tempPath() + "/tamroconv-XXXXXX"};
    QString program = root.filePath("prog"), tr = root.filePath("OPLTRAN.EXE");
    QString output = root.filePath("out"), game = root.filePath("Game.opl");
    QString logPath = program + "/LOG/tpl5_12_2026_36512.log";
    AppSettings settings;
    ScriptedPrompts prompts;
    QStringList duringRuns; // the wait asked for, the buttons' state, still shown

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(program + "/LOG") && QDir().mkpath(output));
        ASSERT_TRUE(QFile::copy(TAMRO_FAKE_OPLTRAN, tr));
        QFile::setPermissions(tr, QFile::ReadOwner | QFile::ExeOwner);
        writeFile(game, "PROC main:\r\nENDP\r\n");
        settings.Paths = {"", tr, "/inc", "/out", output};
        settings.FilterNames = {"", "Files", "All Files"};
        settings.WaitSeconds = 60; // the wait ends with the stand-in
    }
    // Runs `file` in a shown dialog, which the wait's start tries to leave.
    void convert(const QString &file) {
        frmConvert d(settings, prompts, program);
        d.runOptions.now = [] {
            return QDateTime(QDate(2026, 12, 5), QTime(10, 8, 32));
        };
        d.runOptions.progress = [&](std::chrono::milliseconds elapsed,
                                    std::chrono::milliseconds limit) {
            if (elapsed.count() > 0)
                return;
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&d, &escape);
            d.close();
            duringRuns << QString("%1 %2%3 %4")
                              .arg(limit.count())
                              .arg(d.btnGo->isEnabled())
                              .arg(d.btnCancel->isEnabled())
                              .arg(d.isVisible());
        };
        d.show();
        d.txtT->setText(file);
        d.txtI->setText("/typed/here/is/not/used");
        d.btnGo->click();
        EXPECT_FALSE(d.isVisible()) << "the dialog closes after every run";
    }
};

TEST_F(FrmConvertTest, OkIsEnabledWhileTheFileExistsAndTheFolderButtonShowsTheChoice) {
    frmConvert d(settings, prompts, program);
    EXPECT_EQ(d.txtI->text(), output);
    for (const QString &text : {QString(), game.chopped(1), game, root.path(), game + " ", game}) {
        d.txtT->setText(text);
        EXPECT_EQ(d.btnGo->isEnabled(), text == game) << text.toStdString();
    }
    prompts.fileAnswers = {""}; // cancelled
    d.btnPT->click();
    EXPECT_EQ(d.txtT->text(), "");
    EXPECT_FALSE(d.btnGo->isEnabled());

    QString seen;
    d.runModal = [&](QDialog &shown) {
        auto &chooser = dynamic_cast<frmPath &>(shown);
        seen = chooser.windowTitle() + '|' + chooser.mode() + '|' + chooser.txtPath->text();
        chooser.txtPath->setText(root.path());
        chooser.btnGo->click();
    };
    d.btnPI->click();
    EXPECT_EQ(seen, "Output Path |4|" + output);
    EXPECT_EQ(d.txtI->text() + '|' + settings.Paths[4], root.path() + '|' + root.path());
}

// A conversion, then one without the log folder, then one whose program folder is a file:
// opltran.bat cannot be written there and nothing runs or waits.
TEST_F(FrmConvertTest, AConversionRunsAndShowsTheLogAMissingLogOrBatchFileIsReported) {
    writeFile(program + "/opltran.bat", "the last translation\r\n");
    convert(game);
    EXPECT_EQ(readAll(output + "/Game.txt"), "PROC main:\r\nENDP\r\n");
    const QString log = QString::fromUtf8(readAll(logPath));
    EXPECT_TRUE(log.contains("ARG=" + game + "\r\nARG=-o" + output + "\r\nARG=-conv\r\n"));
    ASSERT_TRUE(QDir(program + "/LOG").removeRecursively());
    convert(game);
    program = game;
    convert(game);
    EXPECT_EQ(prompts.boxes(),
              (QStringList{"Translation successfull\r\n" + log + " | Tamro | None | Ok",
                           "File not found!\r\n\r\ntpl5_12_2026_36512.log | Tamro | Critical | Ok",
                           "Not a directory | Tamro | Critical | Ok"}));
    EXPECT_EQ(duringRuns, (QStringList{"60000 00 1", "60000 00 1"}));
    EXPECT_EQ(readAll(game), "PROC main:\r\nENDP\r\n");
}

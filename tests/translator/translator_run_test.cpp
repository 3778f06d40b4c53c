// End-to-end runs through /bin/sh and the stand-in translator fake_opltran.sh.
#include "common/test_paths.h"
#include "translator/command_line.h"
#include "translator/translator_log.h"
#include "translator/translator_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <csignal>

class TranslatorRunTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    // A blank in the program folder sends the log path through the quoting as well.
    QString program = root.filePath("Tamro prog"), tr = root.filePath("OPLTRAN.EXE");
    QString output = root.filePath("out");
    int runs = 0;

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(program + "/LOG") && QDir().mkpath(output));
        ASSERT_TRUE(QFile::copy(TAMRO_FAKE_OPLTRAN, tr));
        QFile::setPermissions(tr, QFile::ReadOwner | QFile::ExeOwner);
    }
    QString source(const QString &name, const QByteArray &text) {
        writeFile(root.filePath(name), text);
        return root.filePath(name);
    }
    // A run whose wait ends with the stand-in: no guessing how long a loaded machine takes.
    TranslatorRun runToEnd(const QString &commandLine) {
        RunOptions options = waiting(60);
        // Runs within one second would share a log; each gets its own.
        options.now = [n = runs++] {
            return QDateTime::currentDateTime().addSecs(n * 3600);
        };
        return RunTranslator(commandLine, options);
    }
    RunOptions waiting(float seconds) {
        RunOptions options;
        options.programFolder = program;
        options.waitSeconds = seconds;
        return options;
    }
    QString log(const TranslatorRun &run) { return readTranslatorLog(run.logPath).text; }
};

TEST_F(TranslatorRunTest, EveryPathReachesTheTranslatorAsOneArgumentAndRunsNothing) {
    const QString include = root.filePath("my inc/");
    for (const QString name : {"a b.tpl", "x;touch PWNED.tpl", "$(touch PWNED).tpl",
                               "`touch PWNED`.tpl", "it's \"q\" & co.tpl"}) {
        const QString src = source(name, "PROC main:\r\n  PRINT 1\r\nENDP\r\n");
        const QString text = log(runToEnd(translationCommandLine(tr, src, include, output)));
        EXPECT_TRUE(
            text.contains("ARG=" + src + "\r\nARG=-i" + include + "\r\nARG=-o" + output + "\r\n"))
            << text.toStdString();
        EXPECT_TRUE(evaluateTranslationLog(text, src).opoExists); // written where -o said
    }
    for (const QString &dir : {program, output, root.path()})
        EXPECT_FALSE(QFile::exists(dir + "/PWNED")) << dir.toStdString();
}

TEST_F(TranslatorRunTest, ATranslatorThatNeverEndsIsLeftRunningWhenTheWaitIsOver) {
    const QString src = source("Hang.tpl", "HANG\r\n");
    const TranslatorRun run = RunTranslator(translationCommandLine(tr, src, "", ""), waiting(0.2f));
    ASSERT_TRUE(run.started);
    for (int i = 0; i < 1500 && QFileInfo(src + ".pid").size() == 0; ++i) // half a minute
        QTest::qWait(20);
    const pid_t pid = readAll(src + ".pid").trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0) << "the translator was stopped";
    ::kill(pid, SIGTERM);
    EXPECT_EQ(evaluateTranslationLog(log(run), src).kind, TranslationOutcome::Kind::Unrecognised);
}

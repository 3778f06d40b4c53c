// End-to-end runs through /bin/sh and the stand-in translator fake_opltran.sh.
#include "translator/command_line.h"
#include "translator/translation_checks.h"
#include "translator/translator_log.h"
#include "translator/translator_run.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits (processing events) until `path` exists, for at most half a minute.
bool waitForFile(const QString &path) {
    for (int i = 0; i < 1500 && !QFile::exists(path); ++i)
        waitProcessingEvents(std::chrono::milliseconds(20));
    return QFile::exists(path);
}

} // namespace

class TranslatorRunTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString program, translator, sources, output;

    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        // A blank in the program folder puts the log path through the quoting as well.
        program = root.filePath("Tamro prog");
        sources = root.filePath("src");
        output = root.filePath("out");
        for (const QString &dir : {program + "/LOG", sources, output, root.filePath("opl")})
            ASSERT_TRUE(QDir().mkpath(dir));
        translator = root.filePath("opl/OPLTRAN.EXE");
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAMRO_FAKE_OPLTRAN), translator));
        QFile::setPermissions(translator, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString source(const QString &name, const QByteArray &text) {
        const QString path = sources + u'/' + name;
        writeFile(path, text);
        return path;
    }

    // A run whose wait lasts until the stand-in has finished, so the test needs no guess
    // at how long a loaded machine takes.
    TranslatorRun runToEnd(const QString &commandLine) {
        QFile::remove(program + "/opltran.finished");
        RunOptions options;
        options.programFolder = program;
        options.wait = [this](std::chrono::milliseconds) {
            EXPECT_TRUE(waitForFile(program + "/opltran.finished"));
        };
        return RunTranslator(commandLine, options);
    }

    QString log(const TranslatorRun &run) {
        const LogRead read = readTranslatorLog(run.logPath);
        EXPECT_EQ(read.status, LogRead::Status::Read) << run.logPath.toStdString();
        return read.text;
    }
};

TEST_F(TranslatorRunTest, ASuccessfulTranslationReportsTheOpoFile) {
    const QString src = source("Game.tpl", "PROC main:\r\n  PRINT 1\r\nENDP\r\n");
    const TranslatorRun run = runToEnd(translationCommandLine(translator, src, "", output));
    ASSERT_TRUE(run.started) << run.error.toStdString();
    const QString text = log(run);

    const TranslationOutcome outcome = evaluateTranslationLog(text, src);
    EXPECT_EQ(outcome.kind, TranslationOutcome::Kind::Success);
    EXPECT_EQ(outcome.opoPath, output + "/Game.opo");
    EXPECT_TRUE(outcome.opoExists);
    EXPECT_EQ(outcome.message, "Translation successfull\r\n" + text + "\r\n\r\nOutput Path \t" +
                                   output + "/Game.opo\r\n");
}

TEST_F(TranslatorRunTest, AnErrorLogNamesTheFirstBadLine) {
    const QString src = source("Bad.tpl", "PROC main:\r\n  PRINT 1\r\n  BAD x\r\n  BAD y\r\n");
    const TranslatorRun run = runToEnd(translationCommandLine(translator, src, "", ""));
    const TranslationOutcome outcome = evaluateTranslationLog(log(run), src);
    EXPECT_EQ(outcome.kind, TranslationOutcome::Kind::ErrorLine);
    EXPECT_EQ(outcome.line, 3);
    EXPECT_EQ(outcome.message, "Syntax error\r\n\r\n Line 3");
}

TEST_F(TranslatorRunTest, EveryPathReachesTheTranslatorAsOneArgumentAndRunsNothing) {
    const QStringList names = {"a b.tpl", "x;touch PWNED.tpl", "$(touch PWNED).tpl",
                               "`touch PWNED`.tpl", "it's \"q\" & co.tpl"};
    const QString include = root.filePath("my inc/");
    for (const QString &name : names) {
        const QString src = source(name, "PRINT 1\r\n");
        const TranslatorRun run =
            runToEnd(translationCommandLine(translator, src, include, output));
        const QString text = log(run);
        EXPECT_TRUE(text.contains("ARG=" + src + "\r\nARG=-i" + include + "\r\nARG=-o" + output +
                                  "\r\nInclude folder"))
            << text.toStdString();
        const TranslationOutcome outcome = evaluateTranslationLog(text, src);
        EXPECT_EQ(outcome.kind, TranslationOutcome::Kind::Success) << name.toStdString();
        EXPECT_TRUE(outcome.opoExists) << name.toStdString();
    }
    for (const QString &dir : {program, sources, output, root.path()})
        EXPECT_FALSE(QFile::exists(dir + "/PWNED")) << dir.toStdString();
}

TEST_F(TranslatorRunTest, AConversionReplacesTheBatchFileAndShowsTheLog) {
    const QString src = source("Game.tpl", "PRINT 1\r\n");
    runToEnd(translationCommandLine(translator, src, "", ""));
    const TranslatorRun run = runToEnd(conversionCommandLine(translator, src, output));

    const QByteArray batch = readAll(program + "/opltran.bat");
    EXPECT_EQ(batch.count('\n'), 1);
    EXPECT_TRUE(batch.contains(" -conv >> ")) << batch.constData();
    EXPECT_TRUE(QFile::exists(output + "/Game.txt"));
    const QString text = log(run);
    EXPECT_TRUE(text.contains("Converted to " + output + "/Game.txt\r\n"));
    EXPECT_EQ(conversionMessage(text), "Translation successfull\r\n" + text);
}

TEST_F(TranslatorRunTest, WithoutTheLogFolderTheLogIsReportedMissing) {
    ASSERT_TRUE(QDir(program + "/LOG").removeRecursively());
    RunOptions options;
    options.programFolder = program;
    options.waitSeconds = 0.3f;
    const TranslatorRun run = RunTranslator(
        translationCommandLine(translator, source("G.tpl", "PRINT 1"), "", ""), options);
    EXPECT_TRUE(run.started);
    EXPECT_EQ(readTranslatorLog(run.logPath).status, LogRead::Status::Missing);
    EXPECT_EQ(missingLogMessage(run.logName), "File not found!\r\n\r\n" + run.logName);
}

TEST_F(TranslatorRunTest, ATranslatorThatNeverEndsIsLeftRunningWhenTheWaitIsOver) {
    const QString src = source("Hang.tpl", "HANG\r\n");
    RunOptions options;
    options.programFolder = program;
    options.waitSeconds = 0.2f;
    const TranslatorRun run =
        RunTranslator(translationCommandLine(translator, src, "", ""), options);
    ASSERT_TRUE(run.started);

    ASSERT_TRUE(waitForFile(src + ".pid"));
    pid_t pid = 0;
    for (int i = 0; i < 500 && pid == 0; ++i) { // the file exists before the id is in it
        pid = readAll(src + ".pid").trimmed().toInt();
        if (pid == 0)
            waitProcessingEvents(std::chrono::milliseconds(20));
    }
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0) << "the translator was stopped";
    ::kill(pid, SIGKILL);

    EXPECT_EQ(evaluateTranslationLog(log(run), src).kind, TranslationOutcome::Kind::Silent);
}

TEST(WaitProcessingEvents, TheFullTimePassesWhileEventsAreHandled) {
    bool handled = false;
    QTimer::singleShot(10, [&] { handled = true; });
    QElapsedTimer clock;
    clock.start();
    waitProcessingEvents(std::chrono::milliseconds(120));
    EXPECT_GE(clock.elapsed(), 120);
    EXPECT_TRUE(handled);
}

TEST(TranslationChecks, AnEmptyDocumentOrAMissingTranslatorStopsTheRun) {
    QTemporaryDir dir;
    writeFile(dir.filePath("OPLTRAN.EXE"), "");
    EXPECT_EQ(emptyDocumentMessage(""), "Please save yor work first!");
    EXPECT_FALSE(emptyDocumentMessage(" ").has_value());
    for (const QString &path : {QString(), dir.path(), dir.filePath("missing.exe")})
        EXPECT_EQ(missingTranslatorMessage(path), "OPLTRAN.EXE not found at the specified path!")
            << path.toStdString();
    EXPECT_FALSE(missingTranslatorMessage(dir.filePath("OPLTRAN.EXE")).has_value());
}

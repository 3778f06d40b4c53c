#include "translator/batch_file.h"
#include "translator/command_line.h"
#include "translator/log_name.h"
#include "translator/translator_run.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// What /bin/sh makes of `word`: the arguments it passes on, one per line.
QString shellWords(const QString &word) {
    QProcess sh;
    sh.start(QStringLiteral("/bin/sh"),
             {QStringLiteral("-c"), QStringLiteral("printf '[%s]' ") + word});
    sh.waitForFinished(10000);
    return QString::fromUtf8(sh.readAllStandardOutput());
}

} // namespace

TEST(ShellArgument, WritesSimplePathsAsTheyAreAndQuotesEverythingElseWhole) {
    const struct {
        const char *in;
        const char *out;
    } cases[] = {
        {"/opl/OPLTRAN.EXE", "/opl/OPLTRAN.EXE"},
        {"/a-b_c/d.e+f:g,h@i", "/a-b_c/d.e+f:g,h@i"},
        {"-o/out/", "-o/out/"},
        {"/src/a b.tpl", "'/src/a b.tpl'"},
        {"-i/my inc/", "'-i/my inc/'"},
        {"x;touch PWNED.tpl", "'x;touch PWNED.tpl'"},
        {"$(id).tpl", "'$(id).tpl'"},
        {"`id`.tpl", "'`id`.tpl'"},
        {"it's.tpl", "'it'\\''s.tpl'"},
        {"say \"hi\".tpl", "'say \"hi\".tpl'"},
        {"~/x.tpl", "'~/x.tpl'"},
        {"a=b", "'a=b'"},
        {"*.tpl", "'*.tpl'"},
        {"", "''"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shellArgument(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    EXPECT_EQ(shellArgument(QStringLiteral("/src/Ünïcode.tpl")),
              QStringLiteral("'/src/Ünïcode.tpl'"));
}

TEST(ShellArgument, ReachesTheShellAsOneUnchangedWordAndRunsNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir::setCurrent(dir.path());
    const QStringList nasty = {"a b.tpl",
                               "x;touch PWNED.tpl",
                               "$(touch PWNED).tpl",
                               "`touch PWNED`.tpl",
                               "it's 'q'.tpl",
                               "say \"$HOME\".tpl",
                               "a\\b\\\\c.tpl",
                               "new\nline.tpl",
                               "tab\there",
                               "&& touch PWNED ||",
                               "'",
                               "é ü.tpl",
                               "*",
                               "$((1+1)) ${HOME} !x",
                               "> PWNED",
                               "-i/my inc/"};
    for (const QString &word : nasty)
        EXPECT_EQ(shellWords(shellArgument(word)), u'[' + word + u']') << word.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("PWNED"))));
}

TEST(CommandLines, TranslationAndConversionAsTheBatchFileHoldsThem) {
    const QString tr = QStringLiteral("/opl/OPLTRAN.EXE");
    const QString src = QStringLiteral("/src/Game.tpl");
    const struct {
        QString line, expected;
    } cases[] = {
        {translationCommandLine(tr, src, "/opl/inc/", "/out/"),
         "/opl/OPLTRAN.EXE /src/Game.tpl -i/opl/inc/ -o/out/ "},
        {translationCommandLine(tr, src, "", ""), "/opl/OPLTRAN.EXE /src/Game.tpl "},
        {translationCommandLine(tr, src, "/opl/inc/", ""),
         "/opl/OPLTRAN.EXE /src/Game.tpl -i/opl/inc/ "},
        {translationCommandLine(tr, src, "", "/out/"), "/opl/OPLTRAN.EXE /src/Game.tpl -o/out/ "},
        {translationCommandLine("/my opl/OPLTRAN.EXE", "/src/a b.tpl", "/my inc/", "/o'ut/"),
         "'/my opl/OPLTRAN.EXE' '/src/a b.tpl' '-i/my inc/' '-o/o'\\''ut/' "},
        {conversionCommandLine(tr, "/src/Game.opl", "/"),
         "/opl/OPLTRAN.EXE /src/Game.opl -o/ -conv"},
        {conversionCommandLine(tr, "/src/Game.opl", ""), "/opl/OPLTRAN.EXE /src/Game.opl -conv"},
        {conversionCommandLine(tr, "/src/$(id).opl", "/my out"),
         "/opl/OPLTRAN.EXE '/src/$(id).opl' '-o/my out' -conv"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.line, c.expected);
}

TEST(MakeLogName, DayMonthYearAndSecondsSinceMidnightWithoutLeadingZeros) {
    const struct {
        QDateTime when;
        const char *name;
    } cases[] = {
        {QDateTime(QDate(2026, 12, 5), QTime(10, 8, 32)), "tpl5_12_2026_36512.log"},
        {QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0)), "tpl1_1_2026_0.log"},
        {QDateTime(QDate(2025, 7, 31), QTime(23, 59, 59, 999)), "tpl31_7_2025_86399.log"},
        {QDateTime(QDate(2030, 10, 10), QTime(0, 0, 9, 500)), "tpl10_10_2030_9.log"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MakeLogName(c.when), QString::fromLatin1(c.name));
}

class BatchFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::vector<std::chrono::milliseconds> waits;

    // A run that writes the batch file but whose "shell" does nothing.
    TranslatorRun run(const QString &commandLine, float waitSeconds = 6.0f,
                      const QString &shell = QStringLiteral("/bin/true")) {
        RunOptions options;
        options.programFolder = dir.path();
        options.waitSeconds = waitSeconds;
        options.shell = shell;
        options.now = [] {
            return QDateTime(QDate(2026, 12, 5), QTime(10, 8, 32));
        };
        options.wait = [this](std::chrono::milliseconds d) {
            waits.push_back(d);
        };
        return RunTranslator(commandLine, options);
    }
};

TEST_F(BatchFile, HoldsTheCommandLineWithTheLogRedirectionAndOneLf) {
    const TranslatorRun r =
        run(translationCommandLine("/opl/OPLTRAN.EXE", "/src/Game.tpl", "/opl/inc/", "/out/"));
    ASSERT_TRUE(r.started) << r.error.toStdString();
    EXPECT_EQ(r.logName, "tpl5_12_2026_36512.log");
    EXPECT_EQ(r.logPath, dir.path() + "/LOG/tpl5_12_2026_36512.log");
    EXPECT_EQ(readAll(dir.filePath("opltran.bat")),
              "/opl/OPLTRAN.EXE /src/Game.tpl -i/opl/inc/ -o/out/  >> " + dir.path().toUtf8() +
                  "/LOG/tpl5_12_2026_36512.log\n");

    run(conversionCommandLine("/opl/OPLTRAN.EXE", "/src/Spiel \xc3\xa4.opl", "/"));
    EXPECT_EQ(readAll(dir.filePath("opltran.bat")),
              "/opl/OPLTRAN.EXE '/src/Spiel \xc3\xa4.opl' -o/ -conv >> " + dir.path().toUtf8() +
                  "/LOG/tpl5_12_2026_36512.log\n");
}

TEST_F(BatchFile, WaitIsClampedToTenMinutesAndNeverNegative) {
    run("true", 1e6f);
    run("true", -3.0f);
    run("true", std::numeric_limits<float>::quiet_NaN());
    run("true", 2.5f);
    run("true", 0.0004f);
    run("true", std::numeric_limits<float>::infinity());
    using std::chrono::milliseconds;
    EXPECT_EQ(waits, (std::vector<milliseconds>{milliseconds(600000), milliseconds(0),
                                                milliseconds(0), milliseconds(2500),
                                                milliseconds(1), milliseconds(600000)}));
}

TEST_F(BatchFile, AFolderInItsPlaceFailsTheRunWithoutWaiting) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("opltran.bat"));
    const TranslatorRun r = run("true");
    EXPECT_FALSE(r.started);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_TRUE(waits.empty());
}

TEST_F(BatchFile, AShellThatCannotStartFailsTheRunWithoutWaiting) {
    const TranslatorRun r = run("true", 6.0f, dir.filePath("no-such-shell"));
    EXPECT_FALSE(r.started);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_TRUE(waits.empty());
}

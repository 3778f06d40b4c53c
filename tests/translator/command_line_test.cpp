#include "common/case_file.h"
#include "common/qstring_printer.h"
#include "common/test_paths.h"
#include "translator/command_line.h"
#include "translator/log_name.h"
#include "translator/translator_run.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The words /bin/sh makes of `line`, each in brackets.
QString shellWords(const QString &line) {
    QProcess sh;
    sh.start("/bin/sh", {"-c", "printf '[%s]' " + line});
    sh.waitForFinished(10000);
    return QString::fromUtf8(sh.readAllStandardOutput());
}

} // namespace

TEST(ShellArgument, SimplePathsStayAsTheyAreOthersReachTheShellAsOneWordAndRunNothing) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    for (const CaseLine &c : readCases("translator/shell_arguments.txt", 2)) {
        EXPECT_EQ(shellArgument(c.text(0)), c.text(1)) << "line " << c.line;
        EXPECT_EQ(shellWords(c.text(1)), '[' + c.text(0) + ']') << "line " << c.line;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("PWNED")));
}

TEST(CommandLines, TranslationAndConversionWithAndWithoutFolders) {
    for (const CaseLine &c : readCases("translator/command_lines.txt", 5)) {
        const QString line =
            c.text(2) == "-" ? conversionCommandLine(c.text(0), c.text(1), c.text(3))
                             : translationCommandLine(c.text(0), c.text(1), c.text(2), c.text(3));
        EXPECT_EQ(line, c.text(4)) << "line " << c.line;
    }
}

TEST(MakeLogName, DayMonthYearAndSecondsSinceMidnightWithoutLeadingZeros) {
    EXPECT_EQ(MakeLogName({QDate(2026, 12, 5), QTime(10, 8, 32)}), "tpl5_12_2026_36512.log");
    EXPECT_EQ(MakeLogName({QDate(2026, 1, 1), QTime(0, 0)}), "tpl1_1_2026_0.log");
    EXPECT_EQ(MakeLogName({QDate(2025, 7, 31), QTime(23, 59, 59, 999)}), "tpl31_7_2025_86399.log");
}

class BatchFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::vector<qint64> waits;

    // A run that writes the batch file; the default "shell" does nothing with it.
    TranslatorRun run(const QString &line, float seconds = 6, QString shell = "/bin/true") {
        RunOptions options;
        options.programFolder = dir.path();
        options.waitSeconds = seconds;
        options.shell = shell;
        options.now = [] {
            return QDateTime(QDate(2026, 12, 5), QTime(10, 8, 32));
        };
        options.progress = [this](std::chrono::milliseconds, std::chrono::milliseconds limit) {
            waits.push_back(limit.count());
        };
        return RunTranslator(line, options);
    }
};

TEST_F(BatchFile, HoldsOnlyTheLastCommandLineWithItsLogRedirectionAndOneLf) {
    const QByteArray log = " >> " + dir.path().toUtf8() + "/LOG/tpl5_12_2026_36512.log\n";
    const TranslatorRun r = run(translationCommandLine("/T.EXE", "/src/G.tpl", "/inc/", "/out/"));
    ASSERT_TRUE(r.started) << r.error.toStdString();
    EXPECT_EQ(r.logPath, dir.path() + "/LOG/tpl5_12_2026_36512.log");
    EXPECT_EQ(readAll(dir.filePath("opltran.bat")), "/T.EXE /src/G.tpl -i/inc/ -o/out/ " + log);
    run(conversionCommandLine("/T.EXE", "/src/Spiel \xc3\xa4.opl", "/"));
    EXPECT_EQ(readAll(dir.filePath("opltran.bat")),
              "/T.EXE '/src/Spiel \xc3\xa4.opl' -o/ -conv" + log);
}

// The wait is clamped to ten minutes and never negative; a missing shell fails the run without
// waiting. A batch file that cannot be written is the translation run test's.
TEST_F(BatchFile, TheWaitIsClampedAndAMissingShellFailsTheRunWithoutWaiting) {
    for (float s : {1e6f, -3.0f, NAN, 2.5f, 0.0004f, INFINITY})
        run("true", s);
    const TranslatorRun noShell = run("true", 6, dir.filePath("no-such-shell"));
    EXPECT_FALSE(noShell.started || noShell.error.isEmpty());
    EXPECT_EQ(waits, (std::vector<qint64>{600000, 0, 0, 2500, 1, 600000}));
}

#include "common/case_file.h"
#include "lsp_input.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The built server over real pipes: whatever arrives, it answers what it can and exits when
// told to or when its input closes, never hanging.
TEST(LspProcess, ExitsOnExitOrClosedInputWhateverArrives) {
    for (const CaseLine &row : readCases("lsp/pipes.txt", 5)) {
        const std::string name = row.fields[0].toStdString();
        QProcess server;
        server.start(TAMRO_LSP_BINARY, QStringList());
        ASSERT_TRUE(server.waitForStarted()) << name;
        server.write(pieces(row.fields[1]));
        server.closeWriteChannel();
        ASSERT_TRUE(server.waitForFinished(20000)) << name;
        EXPECT_EQ(server.exitStatus(), QProcess::NormalExit) << name;
        EXPECT_EQ(server.exitCode(), row.text(2).toInt()) << name;
        const QByteArray out = server.readAllStandardOutput();
        for (const QByteArray &expected : row.fields[3].split('|'))
            EXPECT_TRUE(out.contains(expected.trimmed()))
                << name << ": " << out.left(2000).toStdString();
        EXPECT_TRUE(server.readAllStandardError().contains(row.fields[4])) << name;
    }
}

// Neovim's built-in client against the server: the outline, a diagnostic and a completion
// reach a real editor.
TEST(LspProcess, NeovimReceivesSymbolsDiagnosticsAndCompletion) {
    const QString nvim = QStandardPaths::findExecutable("nvim");
    if (nvim.isEmpty())
        GTEST_SKIP() << "nvim is not installed";
    QTemporaryDir dir;
    QFile source(dir.filePath("demo.opl"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("PROC main:\n  LOCAL total%\n  total% = 1\n  PRINT totl%\n  PR\nENDP\n");
    source.close();
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir.path());
    environment.insert("TAMRO_LSP", TAMRO_LSP_BINARY);
    environment.insert("TAMRO_NVIM_OUT", dir.filePath("out.txt"));
    environment.insert("TAMRO_NVIM_SOURCE", source.fileName());
    environment.insert("TAMRO_NVIM_INCLUDE", dir.path());
    environment.insert("TAMRO_NVIM_LINE", "4");
    environment.insert("TAMRO_NVIM_COLUMN", "4");
    editor.setProcessEnvironment(environment);
    editor.start(nvim, {"--headless", "--clean", "-c", "luafile " TAMRO_NVIM_SCRIPT});
    ASSERT_TRUE(editor.waitForFinished(60000));
    EXPECT_EQ(editor.exitCode(), 0) << editor.readAllStandardError().toStdString();
    QFile result(dir.filePath("out.txt"));
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    const QString received = QString::fromUtf8(result.readAll());
    for (const char *expected :
         {"diagnostic 3:8 \"totl%\" is not declared\n", "symbol Procedures 0\n",
          "symbol  main: 0\n", "symbol   total% 1\n", "completion PRINT\n"})
        EXPECT_TRUE(received.contains(expected)) << expected << "\n" << received.toStdString();
}

} // namespace

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray framed(const QByteArray &body) {
    return "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray request(int id, const char *method) {
    return framed(R"({"jsonrpc":"2.0","id":)" + QByteArray::number(id) + R"(,"method":")" + method +
                  R"(","params":{}})");
}

const QByteArray kExit = framed(R"({"jsonrpc":"2.0","method":"exit"})");

// The built server over real pipes: whatever arrives, it answers what it can and exits when
// told to or when its input closes, never hanging.
TEST(LspProcess, ExitsOnExitOrClosedInputWhateverArrives) {
    const struct {
        const char *name;
        QByteArray input;
        int exitCode;
        QList<QByteArray> output; // each must appear
        QByteArray error;
    } rows[] = {
        {"orderly",
         request(1, "initialize") + request(2, "shutdown") + kExit,
         0,
         {R"("id":1,"jsonrpc":"2.0","result":{"capabilities")",
          R"({"id":2,"jsonrpc":"2.0","result":null})"},
         ""},
        {"exit without shutdown", request(1, "initialize") + kExit, 1, {R"("id":1)"}, ""},
        {"input ends without exit", request(1, "initialize"), 1, {R"("id":1)"}, ""},
        {"body never ends",
         request(1, "initialize") + "Content-Length: 900\r\n\r\n{\"id\"",
         1,
         {R"("id":1)"},
         "input ended inside a message"},
        {"a 50 MB document is refused",
         request(1, "initialize") +
             framed(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
                    R"({"uri":"file:///big.opl","version":1,"text":")" +
                    QByteArray(50 * 1024 * 1024, 'x') + "\"}}}") +
             request(2, "shutdown") + kExit,
         0,
         {"larger than 16 MB", R"("id":2,)"},
         ""},
        {"junk, a huge header and bad JSON first",
         "junk\r\n" + QByteArray(1100 * 1024, 'h') + framed("{\"id\":") + request(4, "initialize"),
         1,
         {"header longer than 1 MB", R"("code":-32700)", R"("id":4,)"},
         ""},
    };
    for (const auto &row : rows) {
        QProcess server;
        server.start(TAMRO_LSP_BINARY, QStringList());
        ASSERT_TRUE(server.waitForStarted()) << row.name;
        server.write(row.input);
        server.closeWriteChannel();
        ASSERT_TRUE(server.waitForFinished(20000)) << row.name;
        EXPECT_EQ(server.exitStatus(), QProcess::NormalExit) << row.name;
        EXPECT_EQ(server.exitCode(), row.exitCode) << row.name;
        const QByteArray out = server.readAllStandardOutput();
        for (const QByteArray &expected : row.output)
            EXPECT_TRUE(out.contains(expected)) << row.name << ": " << out.left(2000).toStdString();
        EXPECT_TRUE(server.readAllStandardError().contains(row.error)) << row.name;
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

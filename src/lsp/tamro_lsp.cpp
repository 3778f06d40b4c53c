// tamro-lsp: the scanner, the search for undefined names, the vocabulary and the command
// reference of the editor, served to any editor over the Language Server Protocol on
// standard input and output.
#include "base/memory_policy.h"
#include "lsp/language_data.h"
#include "lsp/lsp_server.h"
#include "lsp/stdio_connection.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv) {
    MemoryPolicy::tuneAllocator();
    QCoreApplication app(argc, argv);
    // A client that closes its end must not kill the server mid-write; write() reports it.
    std::signal(SIGPIPE, SIG_IGN);
    if (app.arguments().contains(QStringLiteral("--help"))) {
        std::puts("Usage: tamro-lsp\nA language server for OPL on standard input and output.");
        return 0;
    }
    LanguageData language = LanguageData::load(QCoreApplication::applicationDirPath());
    for (const QString &problem : language.problems)
        std::fprintf(stderr, "tamro-lsp: %s\n", qPrintable(problem));
    LspServer server(std::move(language));
    StdioConnection connection(server, STDIN_FILENO, STDOUT_FILENO);
    return app.exec();
}

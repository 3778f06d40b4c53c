// tamro-lsp on a generated 100,000-line source: diagnostics after a one-character change (the
// connection adds its pause of StdioConnection::kDebounceMs before publishing), completion
// while the client types, and the heap the open document takes against its text.
#include "bench_main.h"
#include "lsp/lsp_server.h"
#include "lsp/stdio_connection.h"
#include "opl_source_generator.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

constexpr int kLines = 100000;
const QString kUri = QStringLiteral("file:///bench/big.opl");

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

struct Session {
    QTemporaryDir folder;
    std::unique_ptr<LspServer> server;
    QString text;
    std::size_t heapBefore = 0;
    std::size_t heapAfter = 0;
    int version = 1;

    Session() {
        QDir(folder.path())
            .mkpath(QFileInfo(folder.filePath(OplSourceGenerator::includeName())).path());
        QFile header(folder.filePath(OplSourceGenerator::includeName()));
        header.open(QIODevice::WriteOnly);
        header.write(OplSourceGenerator::header().toLatin1());
        header.close();
        LanguageData language;
        for (const QString &name : OplSourceGenerator::vocabulary())
            language.vocabulary.append(CompletionEntry{
                name, QStringLiteral("(x%)"), 3, QStringLiteral("A word of the vocabulary.")});
        language.names = VocabularyNames(OplSourceGenerator::vocabulary());
        language.includeFolder = folder.path();
        server = std::make_unique<LspServer>(std::move(language));
        server->handle(QJsonObject{
            {"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", QJsonObject()}});
        text = OplSourceGenerator::lines(kLines).join(QStringLiteral("\r\n"));
        heapBefore = heapInUse();
        server->handle(message(
            "textDocument/didOpen",
            {{"textDocument", QJsonObject{{"uri", kUri}, {"version", 1}, {"text", text}}}}));
        server->publishDiagnostics();
        heapAfter = heapInUse();
    }

    static QJsonObject message(const char *method, const QJsonObject &params, int id = 0) {
        QJsonObject message{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}};
        if (id)
            message.insert("id", id);
        return message;
    }

    // Types one character in the middle of the document, or takes it out again.
    void change(bool insert) {
        const QJsonObject place{{"line", kLines / 2}, {"character", 4}};
        const QJsonObject after{{"line", kLines / 2}, {"character", 5}};
        const QJsonObject range{{"start", place}, {"end", insert ? place : after}};
        server->handle(
            message("textDocument/didChange",
                    {{"textDocument", QJsonObject{{"uri", kUri}, {"version", ++version}}},
                     {"contentChanges",
                      QJsonArray{QJsonObject{{"range", range}, {"text", insert ? "x" : ""}}}}}));
    }
};

Session &session() {
    static Session instance;
    return instance;
}

void BM_DiagnosticsAfterOneCharacter(benchmark::State &state) {
    Session &s = session();
    bool insert = true;
    qsizetype diagnostics = 0;
    for (auto _ : state) {
        s.change(insert);
        insert = !insert;
        const QList<QJsonObject> published = s.server->publishDiagnostics();
        diagnostics = published.value(0)["params"].toObject()["diagnostics"].toArray().size();
        benchmark::DoNotOptimize(published);
    }
    state.counters["diagnostics"] = double(diagnostics);
    state.counters["debounce_ms"] = StdioConnection::kDebounceMs;
}

void BM_CompletionWhileTyping(benchmark::State &state) {
    Session &s = session();
    bool insert = true;
    qsizetype items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.change(insert); // the analysis is now a keystroke behind, as while typing
        insert = !insert;
        state.ResumeTiming();
        const QList<QJsonObject> answer = s.server->handle(Session::message(
            "textDocument/completion",
            {{"textDocument", QJsonObject{{"uri", kUri}}},
             {"position", QJsonObject{{"line", kLines / 2 + 1}, {"character", 3}}}},
            2));
        items = answer.value(0)["result"].toObject()["items"].toArray().size();
        benchmark::DoNotOptimize(answer);
    }
    state.counters["items"] = double(items);
    s.server->publishDiagnostics();
}

void BM_MemoryOfOpenDocument(benchmark::State &state) {
    Session &s = session();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.text.size());
    const double textBytes = double(s.text.size()) * 2; // the text as the server holds it
    state.counters["text_MB"] = textBytes / 1e6;
    state.counters["heap_MB"] = double(s.heapAfter - s.heapBefore) / 1e6;
    state.counters["heap_per_text"] = double(s.heapAfter - s.heapBefore) / textBytes;
}

BENCHMARK(BM_DiagnosticsAfterOneCharacter)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CompletionWhileTyping)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryOfOpenDocument)->Iterations(1);

} // namespace

TAMRO_BENCHMARK_MAIN()

#include "common/test_paths.h"
#include "lsp/lsp_server.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// A program with a header, a duplicate, an undefined name after non-ASCII text (the emoji is
// two UTF-16 units) and in a string, the same local in two procedures and a missing header.
const QString kProgram = QString::fromUtf8(R"(INCLUDE "consts.oph"
GLOBAL count%, name$(20), count%
CONST Limit%=10
PROC main:
  LOCAL i%, txt$(5)
  PRINT "äöü😀 undefinedA", undefinedA+undefinedA
  i% = helper%:(Limit%)
  OPEN "data", A, f1%
top::
  GOTO top
ENDP
PROC helper%:(n%)
  LOCAL i%
  RETURN i% + n% + KMax%
ENDP
INCLUDE "missing.oph")");

class LspServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile header(dir.filePath("consts.oph"));
        ASSERT_TRUE(header.open(QIODevice::WriteOnly));
        header.write("REM header\r\nCONST KMax%=5\r\n");
        header.close();
        server = std::make_unique<LspServer>(LanguageData::load(builtProgramDir()));
    }

    QList<QJsonObject> send(const QString &method, const QJsonValue &params, int id = 0) {
        QJsonObject message{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}};
        if (id)
            message.insert("id", id);
        return server->handle(message);
    }
    // The answer to a request: its result, or {"error": code}.
    QJsonValue ask(const QString &method, const QJsonObject &params) {
        const QList<QJsonObject> out = send(method, params, ++lastId);
        if (out.isEmpty() || out.last().value("id").toInt() != lastId)
            return "no answer";
        const QJsonObject answer = out.last();
        if (answer.contains("error"))
            return QJsonObject{{"error", answer["error"].toObject()["code"]}};
        return answer.value("result");
    }
    void start(const QString &text = kProgram) {
        ask("initialize", {{"initializationOptions", QJsonObject{{"includeFolder", dir.path()}}}});
        send("initialized", QJsonObject());
        open(uri, text);
    }
    QList<QJsonObject> open(const QString &name, const QString &text) {
        return send("textDocument/didOpen",
                    QJsonObject{{"textDocument",
                                 QJsonObject{{"uri", name}, {"version", 1}, {"text", text}}}});
    }
    QJsonObject at(int line, int character) {
        return {{"textDocument", QJsonObject{{"uri", uri}}},
                {"position", QJsonObject{{"line", line}, {"character", character}}}};
    }
    static QString compact(const QJsonValue &value) {
        return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    }

    QTemporaryDir dir;
    std::unique_ptr<LspServer> server;
    QString uri = "file:///work/demo.opl";
    int lastId = 0;
};

TEST_F(LspServerTest, LifecycleAnswersEveryRequestOrRefusesIt) {
    EXPECT_EQ(ask("textDocument/hover", at(0, 0)), QJsonObject({{"error", -32002}}));
    EXPECT_TRUE(send("textDocument/didOpen", QJsonObject()).isEmpty()); // dropped before init
    const QJsonObject caps = ask("initialize", {}).toObject()["capabilities"].toObject();
    EXPECT_EQ(compact(caps["textDocumentSync"]), R"([{"change":2,"openClose":true}])");
    EXPECT_EQ(caps.keys(),
              QStringList({"completionProvider", "definitionProvider", "documentSymbolProvider",
                           "hoverProvider", "positionEncoding", "textDocumentSync",
                           "workspaceSymbolProvider"}));
    const struct {
        const char *method;
        QJsonValue params;
        int code;
    } rows[] = {
        {"initialize", QJsonObject(), -32600},
        {"textDocument/formatting", QJsonObject(), -32601},
        {"textDocument/hover", QJsonArray{1}, -32602},
        {"textDocument/hover", QJsonObject(), -32602}, // no such document
        {"textDocument/hover", at(0, 0), -32602},      // not open
        {"textDocument/definition", QJsonObject{{"textDocument", QJsonObject{{"uri", 5}}}}, -32602},
    };
    for (const auto &row : rows) {
        const QList<QJsonObject> out = send(row.method, row.params, 7);
        ASSERT_EQ(out.size(), 1) << row.method;
        EXPECT_EQ(out[0]["error"].toObject()["code"].toInt(), row.code) << row.method;
    }
    // Not a request at all; a response to us is passed over.
    EXPECT_EQ(
        server->handle(QJsonObject{{"id", true}, {"method", "x"}})[0]["error"].toObject()["code"],
        -32600);
    EXPECT_TRUE(server->handle(QJsonObject{{"id", 3}, {"result", 1}}).isEmpty());
    // A cancel read together with its request answers it as cancelled.
    using Item = MessageReader::Item;
    const QList<QJsonObject> cancelled = server->handle(
        {Item{Item::Kind::Message,
              {{"id", 9}, {"method", "workspace/symbol"}, {"params", QJsonObject()}},
              {}},
         Item{Item::Kind::Message,
              {{"method", "$/cancelRequest"}, {"params", QJsonObject{{"id", 9}}}},
              {}},
         Item{Item::Kind::ParseError, {}, "bad"}, Item{Item::Kind::Framing, {}, "worse"}});
    ASSERT_EQ(cancelled.size(), 3);
    EXPECT_EQ(cancelled[0]["error"].toObject()["code"], -32800);
    EXPECT_EQ(cancelled[1]["error"].toObject()["code"], -32700);
    EXPECT_EQ(cancelled[2]["method"], "window/logMessage");

    EXPECT_EQ(ask("shutdown", {}), QJsonValue(QJsonValue::Null));
    EXPECT_EQ(ask("workspace/symbol", {}), QJsonObject({{"error", -32600}}));
    send("exit", QJsonValue());
    EXPECT_TRUE(server->exitRequested());
    EXPECT_EQ(server->exitCode(), 0);
}

// Edits land at UTF-16 positions; an edit that does not fit is refused whole and logged.
TEST_F(LspServerTest, ChangesApplyAtUtf16PositionsOrAreRefused) {
    const QString text = QString::fromUtf8("PROC a:\r\n  PRINT \"😀é\", x\r\nENDP");
    const auto range = [](int l1, int c1, int l2, int c2) {
        return QJsonObject{{"start", QJsonObject{{"line", l1}, {"character", c1}}},
                           {"end", QJsonObject{{"line", l2}, {"character", c2}}}};
    };
    const struct {
        QJsonArray changes;
        const char *expected; // UTF-8; "" when refused
    } rows[] = {
        {{QJsonObject{{"range", range(1, 15, 1, 16)}, {"text", "yz"}}},
         "PROC a:\r\n  PRINT \"😀é\", yz\r\nENDP"},
        {{QJsonObject{{"range", range(1, 99, 2, 0)}, {"text", "!\n"}}},
         "PROC a:\r\n  PRINT \"😀é\", x!\nENDP"},
        {{QJsonObject{{"range", range(0, 7, 1, 0)}, {"text", ""}}, QJsonObject{{"text", "new"}}},
         "new"},
        {{QJsonObject{{"range", range(0, 7, 0, 7)}, {"text", "\n"}}},
         "PROC a:\n\r\n  PRINT \"😀é\", x\r\nENDP"},
        {{QJsonObject{{"range", range(3, 0, 3, 0)}, {"text", "x"}}}, ""},
        {{QJsonObject{{"range", range(1, 2, 0, 0)}, {"text", "x"}}}, ""},
        {{QJsonObject{{"range", QJsonObject()}, {"text", "x"}}}, ""},
        {{QJsonObject{{"range", range(0, 0, 0, 0)}}}, ""},
    };
    start(text);
    for (const auto &row : rows) {
        open(uri, text);
        const QList<QJsonObject> out =
            send("textDocument/didChange",
                 QJsonObject{{"textDocument", QJsonObject{{"uri", uri}, {"version", 2}}},
                             {"contentChanges", row.changes}});
        const bool refused = *row.expected == 0;
        EXPECT_EQ(out.size(), refused ? 1 : 0) << row.expected;
        ASSERT_NE(server->openDocument(uri), nullptr);
        EXPECT_EQ(server->openDocument(uri)->text(),
                  refused ? text : QString::fromUtf8(row.expected));
    }
}

// Random edits with every kind of line end: the lines kept up to date edit by edit are the
// lines of the text read afresh.
TEST(LspDocumentTest, EditsKeepTheLinesOfTheText) {
    const QStringList pieces{"a", "\r", "\n", "\r\n", "é😀", ""};
    LspDocument document("x\r\ny\rz\n");
    quint32 seed = 7;
    const auto next = [&seed](int n) {
        return int((seed = seed * 1103515245 + 12345) >> 16) % n;
    };
    for (int i = 0; i < 2000; ++i) {
        TextPosition start{next(document.lineCount()), next(4)};
        TextPosition end{start.line + next(document.lineCount() - start.line), next(4)};
        if (end.line == start.line)
            end.character = qMax(end.character, start.character);
        ASSERT_TRUE(document.replace(start, end, pieces[next(6)] + pieces[next(6)]));
        const LspDocument fresh(document.text());
        ASSERT_EQ(document.lineCount(), fresh.lineCount()) << i;
        for (int line = 0; line < fresh.lineCount(); ++line)
            ASSERT_EQ(document.line(line), fresh.line(line)) << i;
    }
}

// The outline, one symbol per line: name, kind, lines of its range, selection columns.
void outline(const QJsonArray &symbols, const QString &indent, QStringList &out) {
    for (const QJsonValue &value : symbols) {
        const QJsonObject symbol = value.toObject();
        const QJsonObject selection = symbol["selectionRange"].toObject();
        const QJsonObject range = symbol["range"].toObject();
        out << QString("%1%2 k%3 %4-%8 %5-%6 %7")
                   .arg(indent, symbol["name"].toString())
                   .arg(symbol["kind"].toInt())
                   .arg(range["start"].toObject()["line"].toInt())
                   .arg(selection["start"].toObject()["character"].toInt())
                   .arg(selection["end"].toObject()["character"].toInt())
                   .arg(symbol["detail"].toString())
                   .arg(range["end"].toObject()["line"].toInt());
        outline(symbol["children"].toArray(), indent + "  ", out);
    }
}

TEST_F(LspServerTest, OutlineAndDiagnosticsOfAProgram) {
    start();
    QStringList symbols;
    outline(
        ask("textDocument/documentSymbol", {{"textDocument", QJsonObject{{"uri", uri}}}}).toArray(),
        "", symbols);
    EXPECT_EQ(symbols.join("\n").toStdString(), R"(Global Variables k3 1-1 0-0 
  count% k13 1-1 7-13 
  name$ k13 1-1 15-20 
Constants k3 0-2 0-0 
  KMax% k14 0-0 0-20 
  Limit% k14 2-2 6-12 
Labels k3 8-8 0-0 
  top:: k20 8-8 0-3 
Procedures k3 3-15 0-0 
  main: k12 3-10 5-9 
    i% k13 4-4 8-10 local
    txt$ k13 4-4 12-16 local
    A k1 7-7 15-16 logical file
  helper%: k12 11-15 5-12 
    n% k13 11-11 14-16 parameter
    i% k13 12-12 8-10 local)");
    ASSERT_TRUE(server->diagnosticsDue());
    const QList<QJsonObject> published = server->publishDiagnostics();
    EXPECT_FALSE(server->diagnosticsDue());
    ASSERT_EQ(published.size(), 1);
    QStringList diagnostics;
    for (const QJsonValue &value : published[0]["params"].toObject()["diagnostics"].toArray()) {
        const QJsonObject d = value.toObject();
        const QJsonObject start = d["range"].toObject()["start"].toObject();
        diagnostics << QString("%1:%2-%3 s%4 %5")
                           .arg(start["line"].toInt())
                           .arg(start["character"].toInt())
                           .arg(d["range"].toObject()["end"].toObject()["character"].toInt())
                           .arg(d["severity"].toInt())
                           .arg(d["message"].toString());
    }
    EXPECT_EQ(diagnostics.join("\n"), QString(R"(1:7-13 s1 Name count% allready reserved!
15:0-21 s1 %1/missing.oph
File not found!
5:28-38 s2 "undefinedA" is not declared
5:39-49 s2 "undefinedA" is not declared
7:18-21 s2 "f1%" is not declared
9:7-10 s2 "top" is not declared)")
                                          .arg(dir.path()));
}

// Completion, hover, definition and workspace symbols, each at a position in the program.
TEST_F(LspServerTest, AnswersAboutNamesAtPositions) {
    start();
    const auto labels = [](const QJsonValue &list) {
        QStringList names;
        for (const QJsonValue &item : list.toObject()["items"].toArray())
            names << item.toObject()["label"].toString();
        return names.join(' ').toStdString();
    };
    EXPECT_EQ(labels(ask("textDocument/completion", at(6, 9))), "helper%: HEX$");
    EXPECT_EQ(labels(ask("textDocument/completion", at(5, 4))), "PRINT PROC");
    const QJsonObject item =
        ask("textDocument/completion", at(5, 4)).toObject()["items"].toArray()[0].toObject();
    EXPECT_EQ(compact(item).toStdString(),
              R"([{"data":{"vocabulary":true},"detail":"[expression[;|,expression...]]",)"
              R"("documentation":"Shows numbers and text in the text window at the cursor.",)"
              R"("kind":14,"label":"PRINT"}])");
    const QString reference = ask("completionItem/resolve", item)
                                  .toObject()["documentation"]
                                  .toObject()["value"]
                                  .toString();
    EXPECT_TRUE(reference.startsWith("**PRINT**\n\n```opl\nPRINT [expression"))
        << qPrintable(reference);
    EXPECT_TRUE(reference.contains("\n*Example*\n\n```opl\nPRINT \"Total:\";total%\n"));

    // Hover: the reference's heading or the declaring line; definition: file:line:columns.
    const auto hover = [&](int line, int character) {
        const QString text = ask("textDocument/hover", at(line, character))
                                 .toObject()["contents"]
                                 .toObject()["value"]
                                 .toString();
        const int first = text.startsWith("```") ? 1 : 0;
        return text.section(QStringLiteral("\n"), first, first).toStdString();
    };
    const auto definition = [&](int line, int character) {
        const QJsonObject place = ask("textDocument/definition", at(line, character)).toObject();
        const QJsonObject start = place["range"].toObject()["start"].toObject();
        return place.isEmpty()
                   ? std::string()
                   : QString("%1:%2:%3-%4")
                         .arg(QUrl(place["uri"].toString()).fileName())
                         .arg(start["line"].toInt())
                         .arg(start["character"].toInt())
                         .arg(place["range"].toObject()["end"].toObject()["character"].toInt())
                         .toStdString();
    };
    const struct {
        int line, character;
        const char *hover, *definition;
    } rows[] = {
        {5, 3, "**PRINT**", ""},
        {6, 3, "LOCAL i%, txt$(5)", "demo.opl:4:8-10"}, // i% of main:
        {13, 10, "LOCAL i%", "demo.opl:12:8-10"},       // i% of helper%:
        {13, 20, "CONST KMax%=5", "consts.oph:1:6-11"},
        {9, 8, "top::", "demo.opl:8:0-3"},
        {6, 18, "CONST Limit%=10", "demo.opl:2:6-12"},
        {6, 9, "PROC helper%:(n%)", "demo.opl:11:5-12"},
        {5, 20, "", ""},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(hover(row.line, row.character), row.hover) << row.line;
        EXPECT_EQ(definition(row.line, row.character), row.definition) << row.line;
    }
    QStringList found;
    for (const QJsonValue &symbol : ask("workspace/symbol", {{"query", "i"}}).toArray())
        found << symbol["name"].toString() + "@" +
                     QString::number(symbol["location"]
                                         .toObject()["range"]
                                         .toObject()["start"]
                                         .toObject()["line"]
                                         .toInt());
    EXPECT_EQ(found, QStringList({"Limit%@2", "main:@3"}));
}

// Bad input: a position outside the document and a document too large to analyse.
TEST_F(LspServerTest, RefusesPositionsOutsideAndHugeDocuments) {
    start();
    for (const QJsonObject &place : {at(16, 0), at(99, 0)})
        for (const char *method :
             {"textDocument/hover", "textDocument/completion", "textDocument/definition"})
            EXPECT_EQ(ask(method, place), QJsonObject({{"error", -32602}})) << method;
    EXPECT_NE(ask("textDocument/hover", at(15, 999)), QJsonObject({{"error", -32602}}));
    const QList<QJsonObject> out = open("file:///big.opl", QString(50 * 1024 * 1024, u'x'));
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out[0]["method"], "window/showMessage");
    EXPECT_EQ(server->openDocument("file:///big.opl"), nullptr);
}

} // namespace

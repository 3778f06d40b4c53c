#include "common/golden_file.h"
#include "lsp/lsp_server.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

QString compact(const QJsonValue &value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// Sessions with the server kept as transcripts under tests/data/lsp: each line that does not
// start with "<" is sent, and the server's answers follow it as "< " lines. A line is a JSON
// message; a JSON array is read at once (a string in it is "parse error" or "framing");
// "open URI FILE" opens a data file's text; "text URI" shows a document's text; "publish"
// the diagnostics due; "exit" whether and how the server would end. The data folder is the
// include folder, written $DATA.
void replay(const QString &name) {
    const QString data = testDataDir() + "/lsp";
    LspServer server(LanguageData::load(builtProgramDir()));
    QStringList transcript;
    const auto answer = [&](const QList<QJsonObject> &out) {
        for (const QJsonObject &message : out)
            transcript << "< " + compact(message).replace(data, "$DATA");
    };
    const QString session = QString::fromUtf8(readAll(data + '/' + name));
    for (const QString &line : session.split('\n')) {
        if (line.startsWith('<'))
            continue;
        transcript << line;
        const QStringList words = line.split(' ');
        const QJsonDocument json =
            QJsonDocument::fromJson(QString(line).replace("$DATA", data).toUtf8());
        if (json.isObject()) {
            answer(server.handle(json.object()));
        } else if (json.isArray()) {
            QList<MessageReader::Item> items;
            for (const QJsonValue &value : json.array()) {
                using Kind = MessageReader::Item::Kind;
                const Kind kind = value.isObject()         ? Kind::Message
                                  : value == "parse error" ? Kind::ParseError
                                                           : Kind::Framing;
                items << MessageReader::Item{kind, value.toObject(), value.toString()};
            }
            answer(server.handle(items));
        } else if (words[0] == "open") {
            const QJsonObject document{{"uri", words[1]},
                                       {"version", 1},
                                       {"text", QString::fromUtf8(readAll(data + '/' + words[2]))}};
            answer(server.handle(QJsonObject{{"jsonrpc", "2.0"},
                                             {"method", "textDocument/didOpen"},
                                             {"params", QJsonObject{{"textDocument", document}}}}));
        } else if (words[0] == "text") {
            const LspDocument *document = server.openDocument(words[1]);
            transcript << "< " + (document ? compact(document->text()) : "none");
        } else if (words[0] == "publish") {
            transcript << QString("< due %1").arg(server.diagnosticsDue());
            answer(server.publishDiagnostics());
            transcript << QString("< due %1").arg(server.diagnosticsDue());
        } else if (words[0] == "exit") {
            transcript
                << QString("< exit %1 code %2").arg(server.exitRequested()).arg(server.exitCode());
        }
    }
    expectGolden(transcript.join('\n'), "lsp/" + name);
}

// The lifecycle with requests refused; edits at UTF-16 positions, one that does not fit
// refused whole and logged; outline, diagnostics, completion, hover, definition and
// workspace symbols of one program.
TEST(LspServerTest, SessionsAsTheirTranscriptsShow) {
    for (const char *session : {"lifecycle.txt", "changes.txt", "program.txt"})
        replay(session);
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

} // namespace

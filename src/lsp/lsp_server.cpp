#include "lsp/lsp_server.h"

#include "dialogs/reference_search.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QUrl>

namespace {

// JSON-RPC and protocol error codes.
enum ErrorCode {
    ParseError = -32700,
    InvalidRequest = -32600,
    MethodNotFound = -32601,
    InvalidParams = -32602,
    ServerNotInitialized = -32002,
    RequestCancelled = -32800,
};
enum MessageType { LogError = 1, LogWarning = 2, LogInfo = 3 };
enum CompletionKind { KindFunction = 3, KindVariable = 6, KindKeyword = 14, KindReference = 18 };

constexpr int kMaxCompletions = 1000;
constexpr int kMaxWorkspaceSymbols = 1000;

QJsonObject response(const QJsonValue &id, const QJsonValue &result) {
    return {{QStringLiteral("jsonrpc"), QStringLiteral("2.0")},
            {QStringLiteral("id"), id},
            {QStringLiteral("result"), result}};
}

QJsonObject errorResponse(const QJsonValue &id, int code, const QString &message) {
    return {{QStringLiteral("jsonrpc"), QStringLiteral("2.0")},
            {QStringLiteral("id"), id},
            {QStringLiteral("error"),
             QJsonObject{{QStringLiteral("code"), code}, {QStringLiteral("message"), message}}}};
}

QJsonObject notificationMessage(const QString &method, const QJsonObject &params) {
    return {{QStringLiteral("jsonrpc"), QStringLiteral("2.0")},
            {QStringLiteral("method"), method},
            {QStringLiteral("params"), params}};
}

// A whole number that fits an int, or nothing.
std::optional<int> integer(const QJsonValue &value) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != double(qint64(number)) || number < 0 || number > 2147483647.0)
        return std::nullopt;
    return int(number);
}

std::optional<TextPosition> position(const QJsonValue &value) {
    const QJsonObject object = value.toObject();
    const std::optional<int> line = integer(object.value(QStringLiteral("line")));
    const std::optional<int> character = integer(object.value(QStringLiteral("character")));
    if (!line || !character)
        return std::nullopt;
    return TextPosition{*line, *character};
}

QString uriOf(const QJsonObject &params) {
    return params.value(QStringLiteral("textDocument"))
        .toObject()
        .value(QStringLiteral("uri"))
        .toString();
}

int completionKind(int icon) {
    switch (icon) {
    case 3: // functions of the vocabulary
    case 9: // the document's procedures
        return KindFunction;
    case 12:
        return KindReference;
    case 23:
        return KindVariable;
    default:
        return KindKeyword;
    }
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'%' || c == u'&';
}

} // namespace

LspServer::LspServer(LanguageData language)
    : m_language(std::move(language)), m_includeFolder(m_language.includeFolder) {}

LspServer::~LspServer() = default;

QJsonObject LspServer::log(int type, const QString &text, bool show) {
    return notificationMessage(show ? QStringLiteral("window/showMessage")
                                    : QStringLiteral("window/logMessage"),
                               {{QStringLiteral("type"), type}, {QStringLiteral("message"), text}});
}

QList<QJsonObject> LspServer::handle(const QJsonObject &message) {
    return handle({MessageReader::Item{MessageReader::Item::Kind::Message, message, {}}});
}

QList<QJsonObject> LspServer::handle(const QList<MessageReader::Item> &items) {
    using Kind = MessageReader::Item::Kind;
    QSet<QString> cancelled;
    for (const MessageReader::Item &item : items)
        if (item.kind == Kind::Message &&
            item.message.value(QStringLiteral("method")) == QStringLiteral("$/cancelRequest"))
            cancelled.insert(QString::fromUtf8(
                QJsonDocument(QJsonArray{item.message.value(QStringLiteral("params"))
                                             .toObject()
                                             .value(QStringLiteral("id"))})
                    .toJson()));
    QList<QJsonObject> out;
    for (const MessageReader::Item &item : items) {
        switch (item.kind) {
        case Kind::ParseError:
            out.append(errorResponse(QJsonValue::Null, ParseError, item.error));
            break;
        case Kind::Invalid:
            out.append(errorResponse(QJsonValue::Null, InvalidRequest, item.error));
            break;
        case Kind::Framing:
            out.append(log(LogError, QStringLiteral("tamro-lsp: ") + item.error));
            break;
        case Kind::Message: {
            const QJsonValue id = item.message.value(QStringLiteral("id"));
            if (!id.isUndefined() &&
                cancelled.contains(QString::fromUtf8(QJsonDocument(QJsonArray{id}).toJson())) &&
                item.message.value(QStringLiteral("method")) != QStringLiteral("$/cancelRequest"))
                out.append(errorResponse(id, RequestCancelled, QStringLiteral("cancelled")));
            else
                dispatch(item.message, out);
            break;
        }
        }
        if (m_exit)
            break;
    }
    return out;
}

void LspServer::dispatch(const QJsonObject &message, QList<QJsonObject> &out) {
    const QJsonValue id = message.value(QStringLiteral("id"));
    const QJsonValue method = message.value(QStringLiteral("method"));
    if (method.isUndefined() && !id.isUndefined())
        return; // a response to a request of ours; we send none that need one
    const bool validId = id.isUndefined() || id.isString() || id.isDouble();
    if (!method.isString() || !validId) {
        out.append(errorResponse(validId ? id : QJsonValue::Null, InvalidRequest,
                                 QStringLiteral("not a request or notification")));
        return;
    }
    const QJsonValue paramsValue = message.value(QStringLiteral("params"));
    const QJsonObject params = paramsValue.toObject();
    if (id.isUndefined()) {
        notification(method.toString(), params, out);
        return;
    }
    if (!paramsValue.isUndefined() && !paramsValue.isObject() && !paramsValue.isNull()) {
        out.append(errorResponse(id, InvalidParams, QStringLiteral("params must be an object")));
        return;
    }
    Result result;
    if (method == QStringLiteral("initialize")) {
        result = m_initialized
                     ? Result(Failure{InvalidRequest, QStringLiteral("initialized twice")})
                     : Result(initialize(params));
    } else if (!m_initialized) {
        result = Failure{ServerNotInitialized, QStringLiteral("initialize comes first")};
    } else if (m_shutdown) {
        result = Failure{InvalidRequest, QStringLiteral("the server is shutting down")};
    } else if (method == QStringLiteral("shutdown")) {
        m_shutdown = true;
        result = QJsonValue(QJsonValue::Null);
    } else {
        result = request(method.toString(), params);
    }
    if (const Failure *failure = std::get_if<Failure>(&result))
        out.append(errorResponse(id, failure->code, failure->message));
    else
        out.append(response(id, std::get<QJsonValue>(result)));
}

LspServer::Result LspServer::request(const QString &method, const QJsonObject &params) {
    if (method == QStringLiteral("textDocument/documentSymbol"))
        return documentSymbol(params);
    if (method == QStringLiteral("textDocument/completion"))
        return completion(params);
    if (method == QStringLiteral("completionItem/resolve"))
        return QJsonValue(resolve(params));
    if (method == QStringLiteral("textDocument/hover"))
        return hover(params);
    if (method == QStringLiteral("textDocument/definition"))
        return definition(params);
    if (method == QStringLiteral("workspace/symbol"))
        return workspaceSymbol(params);
    return Failure{MethodNotFound, QStringLiteral("unknown method ") + method};
}

void LspServer::notification(const QString &method, const QJsonObject &params,
                             QList<QJsonObject> &out) {
    if (method == QStringLiteral("exit")) {
        m_exit = true;
        return;
    }
    if (!m_initialized || m_shutdown)
        return; // the protocol drops notifications before initialize
    if (method == QStringLiteral("textDocument/didOpen")) {
        didOpen(params, out);
    } else if (method == QStringLiteral("textDocument/didChange")) {
        didChange(params, out);
    } else if (method == QStringLiteral("textDocument/didClose")) {
        const QString uri = uriOf(params);
        if (m_documents.remove(uri))
            out.append(notificationMessage(
                QStringLiteral("textDocument/publishDiagnostics"),
                {{QStringLiteral("uri"), uri}, {QStringLiteral("diagnostics"), QJsonArray()}}));
    }
    // initialized, $/cancelRequest, $/setTrace and the rest need nothing from us.
}

QJsonObject LspServer::initialize(const QJsonObject &params) {
    m_initialized = true;
    const QJsonValue folder = params.value(QStringLiteral("initializationOptions"))
                                  .toObject()
                                  .value(QStringLiteral("includeFolder"));
    if (folder.isString())
        m_includeFolder = folder.toString();
    const QJsonObject capabilities{
        {QStringLiteral("positionEncoding"), QStringLiteral("utf-16")},
        {QStringLiteral("textDocumentSync"),
         QJsonObject{{QStringLiteral("openClose"), true}, {QStringLiteral("change"), 2}}},
        {QStringLiteral("documentSymbolProvider"), true},
        {QStringLiteral("completionProvider"),
         QJsonObject{{QStringLiteral("resolveProvider"), true}}},
        {QStringLiteral("hoverProvider"), true},
        {QStringLiteral("definitionProvider"), true},
        {QStringLiteral("workspaceSymbolProvider"), true},
    };
    return {{QStringLiteral("capabilities"), capabilities},
            {QStringLiteral("serverInfo"),
             QJsonObject{{QStringLiteral("name"), QStringLiteral("tamro-lsp")},
                         {QStringLiteral("version"), QStringLiteral(TAMRO_VERSION)}}}};
}

void LspServer::didOpen(const QJsonObject &params, QList<QJsonObject> &out) {
    const QJsonObject item = params.value(QStringLiteral("textDocument")).toObject();
    const QString uri = item.value(QStringLiteral("uri")).toString();
    const QJsonValue text = item.value(QStringLiteral("text"));
    if (uri.isEmpty() || !text.isString()) {
        out.append(log(LogError, QStringLiteral("didOpen without a uri or text, ignored")));
        return;
    }
    if (text.toString().size() > kMaxDocumentChars) {
        m_documents.remove(uri);
        out.append(log(
            LogWarning,
            QStringLiteral("%1 is larger than 16 MB; Tamro leaves it unanalysed.").arg(uri), true));
        return;
    }
    Document &document = m_documents[uri];
    document.text.setText(text.toString());
    document.version = item.value(QStringLiteral("version")).toInt();
    document.stale = document.diagnosticsDue = true;
}

void LspServer::didChange(const QJsonObject &params, QList<QJsonObject> &out) {
    const QString uri = uriOf(params);
    const auto found = m_documents.find(uri);
    if (found == m_documents.end()) {
        out.append(
            log(LogWarning, QStringLiteral("change to %1, which is not open, ignored").arg(uri)));
        return;
    }
    Document &document = *found;
    for (const QJsonValue &value : params.value(QStringLiteral("contentChanges")).toArray()) {
        const QJsonObject change = value.toObject();
        const QJsonValue text = change.value(QStringLiteral("text"));
        const QJsonValue range = change.value(QStringLiteral("range"));
        bool applied = text.isString();
        if (applied && range.isUndefined()) {
            applied = text.toString().size() <= kMaxDocumentChars;
            if (applied)
                document.text.setText(text.toString());
        } else if (applied) {
            const std::optional<TextPosition> start =
                position(range.toObject().value(QStringLiteral("start")));
            const std::optional<TextPosition> end =
                position(range.toObject().value(QStringLiteral("end")));
            applied = start && end &&
                      document.text.text().size() + text.toString().size() <= kMaxDocumentChars &&
                      document.text.replace(*start, *end, text.toString());
        }
        if (!applied) {
            // Later changes build on this one, so none of them can be placed either.
            out.append(log(LogError,
                           QStringLiteral("a change to %1 does not fit the document; the "
                                          "document stays as it was before it")
                               .arg(uri),
                           true));
            break;
        }
        document.stale = document.diagnosticsDue = true;
    }
    const QJsonValue version =
        params.value(QStringLiteral("textDocument")).toObject().value(QStringLiteral("version"));
    if (version.isDouble())
        document.version = version.toInt();
}

LspServer::Document *LspServer::document(const QJsonObject &params) {
    const auto found = m_documents.find(uriOf(params));
    return found == m_documents.end() ? nullptr : &*found;
}

const DocumentAnalysis &LspServer::analysis(const QString &uri, Document &document) {
    if (document.stale || !document.analysis) {
        const QString caption = QUrl(uri).fileName();
        document.analysis.reset(); // two analyses of a large document need not meet in memory
        document.analysis = std::make_shared<const DocumentAnalysis>(document.text, m_language,
                                                                     m_includeFolder, caption);
        document.stale = false;
    }
    return *document.analysis;
}

std::variant<std::pair<LspServer::Document *, TextPosition>, LspServer::Failure>
LspServer::at(const QJsonObject &params) {
    Document *open = document(params);
    if (!open)
        return Failure{InvalidParams, QStringLiteral("the document is not open")};
    const std::optional<TextPosition> place = position(params.value(QStringLiteral("position")));
    if (!place)
        return Failure{InvalidParams, QStringLiteral("no position")};
    if (!open->text.contains(*place))
        return Failure{InvalidParams, QStringLiteral("the position lies outside the document")};
    return std::pair{open, *place};
}

LspServer::Result LspServer::documentSymbol(const QJsonObject &params) {
    Document *open = document(params);
    if (!open)
        return Failure{InvalidParams, QStringLiteral("the document is not open")};
    return QJsonValue(analysis(uriOf(params), *open).documentSymbols(open->text));
}

LspServer::Result LspServer::completion(const QJsonObject &params) {
    const auto found = at(params);
    if (const Failure *failure = std::get_if<Failure>(&found))
        return *failure;
    auto [open, place] = std::get<0>(found);
    const QStringView line = open->text.line(place.line);
    qsizetype start = qMin<qsizetype>(place.character, line.size());
    while (start > 0 && isWordChar(line[start - 1]))
        --start;
    const QStringView prefix =
        line.sliced(start, qMin<qsizetype>(place.character, line.size()) - start);
    // While the client types, the names of the last analysis serve: no rescan per keystroke.
    if (!open->analysis)
        analysis(uriOf(params), *open);
    QJsonArray items;
    bool complete = true;
    const auto offer = [&](const QList<CompletionEntry> &entries, bool vocabulary) {
        for (const CompletionEntry &entry : entries) {
            if (!QStringView(entry.name).startsWith(prefix, Qt::CaseInsensitive))
                continue;
            if (items.size() >= kMaxCompletions) {
                complete = false;
                return;
            }
            QJsonObject item{{QStringLiteral("label"), entry.name},
                             {QStringLiteral("kind"), completionKind(entry.icon)}};
            if (!entry.params.isEmpty())
                item.insert(QStringLiteral("detail"), entry.params);
            if (!entry.description.isEmpty())
                item.insert(QStringLiteral("documentation"), entry.description);
            if (vocabulary)
                item.insert(QStringLiteral("data"),
                            QJsonObject{{QStringLiteral("vocabulary"), true}});
            items.append(item);
        }
    };
    offer(open->analysis->scan().completions, false);
    offer(m_language.vocabulary, true);
    return QJsonValue(
        QJsonObject{{QStringLiteral("isIncomplete"), !complete}, {QStringLiteral("items"), items}});
}

QJsonObject LspServer::resolve(QJsonObject item) const {
    if (!item.value(QStringLiteral("data")).toObject().value(QStringLiteral("vocabulary")).toBool())
        return item;
    const QString reference =
        m_language.reference.markdown(item.value(QStringLiteral("label")).toString());
    if (reference.isEmpty())
        return item;
    item.insert(QStringLiteral("documentation"),
                QJsonObject{{QStringLiteral("kind"), QStringLiteral("markdown")},
                            {QStringLiteral("value"), reference}});
    return item;
}

LspServer::Result LspServer::hover(const QJsonObject &params) {
    const auto found = at(params);
    if (const Failure *failure = std::get_if<Failure>(&found))
        return *failure;
    auto [open, place] = std::get<0>(found);
    const QStringView line = open->text.line(place.line);
    const QString word = ReferenceSearch::wordAt(line, place.character);
    if (word.isEmpty())
        return QJsonValue(QJsonValue::Null);
    QString markdown;
    if (const CompletionEntry *entry = m_language.entry(word)) {
        markdown = m_language.reference.markdown(entry->name);
        if (markdown.isEmpty())
            markdown = QStringLiteral("**%1**%2\n\n%3")
                           .arg(entry->name, entry->params, entry->description);
    } else if (const auto declaration =
                   analysis(uriOf(params), *open).declarationAt(open->text, place)) {
        const QString line = declaration->path.isEmpty()
                                 ? open->text.line(declaration->line).toString()
                                 : declaration->lineText;
        markdown = QStringLiteral("```opl\n%1\n```").arg(line.trimmed());
    } else {
        return QJsonValue(QJsonValue::Null);
    }
    return QJsonValue(QJsonObject{{QStringLiteral("contents"),
                                   QJsonObject{{QStringLiteral("kind"), QStringLiteral("markdown")},
                                               {QStringLiteral("value"), markdown}}}});
}

LspServer::Result LspServer::definition(const QJsonObject &params) {
    const auto found = at(params);
    if (const Failure *failure = std::get_if<Failure>(&found))
        return *failure;
    auto [open, place] = std::get<0>(found);
    const auto declaration = analysis(uriOf(params), *open).declarationAt(open->text, place);
    if (!declaration)
        return QJsonValue(QJsonValue::Null);
    const QString uri = declaration->path.isEmpty()
                            ? uriOf(params)
                            : QUrl::fromLocalFile(declaration->path).toString();
    return QJsonValue(QJsonObject{
        {QStringLiteral("uri"), uri},
        {QStringLiteral("range"),
         DocumentAnalysis::range(declaration->line, declaration->start, declaration->end)}});
}

QJsonValue LspServer::workspaceSymbol(const QJsonObject &params) {
    const QString query = params.value(QStringLiteral("query")).toString();
    QJsonArray symbols;
    for (auto it = m_documents.begin(); it != m_documents.end(); ++it)
        if (symbols.size() < kMaxWorkspaceSymbols)
            analysis(it.key(), *it).workspaceSymbols(it->text, it.key(), query, symbols);
    while (symbols.size() > kMaxWorkspaceSymbols)
        symbols.removeLast();
    return symbols;
}

bool LspServer::diagnosticsDue() const {
    for (const Document &document : m_documents)
        if (document.diagnosticsDue)
            return true;
    return false;
}

QList<QJsonObject> LspServer::publishDiagnostics() {
    QList<QJsonObject> out;
    for (auto it = m_documents.begin(); it != m_documents.end(); ++it) {
        if (!it->diagnosticsDue)
            continue;
        it->diagnosticsDue = false;
        out.append(notificationMessage(
            QStringLiteral("textDocument/publishDiagnostics"),
            {{QStringLiteral("uri"), it.key()},
             {QStringLiteral("version"), it->version},
             {QStringLiteral("diagnostics"), analysis(it.key(), *it).diagnostics(it->text)}}));
    }
    return out;
}

#pragma once

#include "lsp/document_analysis.h"
#include "lsp/language_data.h"
#include "lsp/lsp_document.h"
#include "lsp/message_reader.h"

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <variant>

// The language server without its connection: messages in, messages out. Requests are
// answered at once; diagnostics wait until publishDiagnostics(), which the connection calls
// when the client has paused typing.
class LspServer {
public:
    static constexpr qsizetype kMaxDocumentChars = 16 * 1024 * 1024;

    explicit LspServer(LanguageData language);
    ~LspServer();

    // The items read together; a $/cancelRequest among them cancels an earlier one that is
    // still waiting, which is then answered as cancelled.
    QList<QJsonObject> handle(const QList<MessageReader::Item> &items);
    QList<QJsonObject> handle(const QJsonObject &message);

    bool diagnosticsDue() const;
    QList<QJsonObject> publishDiagnostics();

    // The text of an open document as the edits so far made it; nullptr when not open.
    const LspDocument *openDocument(const QString &uri) const {
        const auto found = m_documents.find(uri);
        return found == m_documents.end() ? nullptr : &found->text;
    }

    bool exitRequested() const { return m_exit; }
    int exitCode() const { return m_shutdown ? 0 : 1; }

private:
    struct Document {
        LspDocument text;
        int version = 0;
        std::shared_ptr<const DocumentAnalysis> analysis; // of an earlier text when `stale`
        bool stale = true;
        bool diagnosticsDue = true;
    };
    // A request that cannot be answered: its JSON-RPC error.
    struct Failure {
        int code;
        QString message;
    };
    using Result = std::variant<QJsonValue, Failure>;

    void dispatch(const QJsonObject &message, QList<QJsonObject> &out);
    Result request(const QString &method, const QJsonObject &params);
    void notification(const QString &method, const QJsonObject &params, QList<QJsonObject> &out);

    QJsonObject initialize(const QJsonObject &params);
    void didOpen(const QJsonObject &params, QList<QJsonObject> &out);
    void didChange(const QJsonObject &params, QList<QJsonObject> &out);
    Result completion(const QJsonObject &params);
    QJsonObject resolve(QJsonObject item) const;
    Result hover(const QJsonObject &params);
    Result definition(const QJsonObject &params);
    Result documentSymbol(const QJsonObject &params);
    QJsonValue workspaceSymbol(const QJsonObject &params);

    // The open document and position a request names, or the failure to report.
    std::variant<std::pair<Document *, TextPosition>, Failure> at(const QJsonObject &params);
    Document *document(const QJsonObject &params);
    const DocumentAnalysis &analysis(const QString &uri, Document &document);

    static QJsonObject log(int type, const QString &text, bool show = false);

    LanguageData m_language;
    QString m_includeFolder;
    QHash<QString, Document> m_documents;
    bool m_initialized = false;
    bool m_shutdown = false;
    bool m_exit = false;
};

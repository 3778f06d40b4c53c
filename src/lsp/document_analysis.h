#pragma once

#include "analysis/scan_result.h"
#include "analysis/undefined_finding.h"
#include "lsp/lsp_document.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

struct LanguageData;

// One scan of a document and its search for undefined names, as the editor makes them, and
// what the protocol asks of them: the outline, the diagnostics and where a name is declared.
// Answers read the document the analysis was made of.
class DocumentAnalysis {
public:
    // Editors bog down on more diagnostics than this; the rest are left out.
    static constexpr int kMaxUndefined = 5000;
    // An outline larger than this helps nobody and would take more memory than the document.
    static constexpr int kMaxSymbols = 100000;

    DocumentAnalysis(const LspDocument &document, const LanguageData &language,
                     const QString &includeFolder, const QString &caption);

    const ScanResult &scan() const { return m_scan; }

    QJsonArray documentSymbols(const LspDocument &document) const;
    // SymbolInformation for every declared name containing `query` (ignoring case).
    void workspaceSymbols(const LspDocument &document, const QString &uri, const QString &query,
                          QJsonArray &into) const;
    QJsonArray diagnostics(const LspDocument &document) const;

    struct Declaration {
        QString path; // the header's path for a name from an INCLUDE file, else ""
        int line = 0;
        int start = 0; // the name's columns on the line
        int end = 0;
        QString lineText; // for a header's line; a document's line is read from the document
    };
    // The declaration of the word at `position`: a member of the procedure around it first,
    // then a global, constant, procedure, OPX function or label.
    std::optional<Declaration> declarationAt(const LspDocument &document,
                                             TextPosition position) const;

    static QJsonObject range(int line, int start, int end);

private:
    int nodeIndexFor(QStringView word, int line) const;
    // Where a walk over the nodes has got to: names declared on one line come in the line's
    // order, so each is looked for after the one before, and a line is read once.
    struct Walk {
        int line = -1;
        qsizetype from = 0;
        bool include = false; // the line is an INCLUDE statement
    };
    Declaration declarationOf(const LspDocument &document, int node, bool intoHeaders = true,
                              Walk *walk = nullptr) const;
    QJsonObject symbol(const LspDocument &document, int node, int kind, const QString &detail,
                       Walk &walk) const;

    QString m_includeFolder;
    ScanResult m_scan;
    QList<UndefinedFinding> m_undefined;
    mutable QHash<QString, QStringList> m_headers; // the lines of each header read so far
};
